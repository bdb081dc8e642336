// The game page: plays a stored game back on the board canvas, frame by frame, as the game's
// window showed it, with the status column, the line of what happened, and the controls.
'use strict';

(() => {
  const PICTURES = {
    b: 'blank', r: 'rock', h: 'hole', $: 'water',
    a: 'turtle_left', w: 'turtle_up', d: 'turtle_right', x: 'turtle_down',
    j: 'dog_left', i: 'dog_up', l: 'dog_right', m: 'dog_down', k: 'dog_sit',
    '@': 'alien', 1: 'foot_left', 2: 'foot_right',
  };
  const SIDE = 20;
  const STATUS = ['level', 'score', 'bonus', 'saved', 'lost'];
  const byId = (id) => document.getElementById(id);
  const fill = (text, args) => text.replace(/%(\d)/g, (all, n) => args[n - 1] ?? all);

  function loadPictures(base) {
    return Promise.all(Object.entries(PICTURES).map(([code, name]) => {
      const picture = new Image();
      picture.src = base + name + '.gif';
      return picture.decode().then(() => [code, picture]);
    })).then(Object.fromEntries);
  }

  // One list of all frames of the game; each knows its level and the last frame, itself or
  // before, that changed the line of what happened.
  function flatten(levels) {
    const frames = [];
    const starts = [];
    let said = -1;
    levels.forEach((level, index) => {
      starts.push(frames.length);
      for (const [time, cells, status, happened] of level.frames) {
        if (happened) said = frames.length;
        frames.push({ time, cells, status, happened, level: index, said });
      }
    });
    return { frames, starts };
  }

  function player(game, texts, levels, pictures) {
    const { frames, starts } = flatten(levels);
    const end = frames.length ? frames[frames.length - 1].time : 0;
    const canvas = byId('board');
    const paint = canvas.getContext('2d');
    const size = canvas.width / SIDE;
    const numbers = new Intl.NumberFormat(document.documentElement.lang || undefined);
    const play = byId('play');
    const slider = byId('time');
    const speeds = [...game.querySelectorAll('.speed')];
    let board = [];
    let shown = -1;
    let now = 0;
    let speed = 1;
    let playing = false;
    let lastStamp = null;

    const drawCell = (cell) => {
      const x = (cell % SIDE) * size;
      const y = Math.floor(cell / SIDE) * size;
      const picture = pictures[board[cell]];
      if (picture) {
        paint.drawImage(picture, x, y, size, size);
      } else {
        paint.fillStyle = '#000';
        paint.fillRect(x, y, size, size);
      }
    };

    // Applies a frame's changed cells to the board, drawing each when asked to.
    const apply = (frame, draw) => {
      for (let k = 0; k + 2 < frame.cells.length; k += 3) {
        const cell = (frame.cells.charCodeAt(k + 1) - 97) * SIDE + frame.cells.charCodeAt(k) - 97;
        board[cell] = frame.cells[k + 2];
        if (draw) drawCell(cell);
      }
    };

    const setText = (element, text) => {
      if (element.textContent !== text) element.textContent = text;
    };

    const lastAtOrBefore = (time) => {
      let low = 0;
      let high = frames.length - 1;
      while (low < high) {
        const middle = (low + high + 1) >> 1;
        if (frames[middle].time <= time) low = middle;
        else high = middle - 1;
      }
      return low;
    };

    const showFrame = (index) => {
      if (index === shown) return;
      const frame = frames[index];
      if (shown >= 0 && index > shown && frames[shown].level === frame.level) {
        for (let k = shown + 1; k <= index; ++k) apply(frames[k], true);
      } else {
        board = [...levels[frame.level].board];
        for (let k = starts[frame.level]; k <= index; ++k) apply(frames[k], false);
        board.forEach((code, cell) => drawCell(cell));
      }
      shown = index;
      STATUS.forEach((id, k) => setText(byId(id), numbers.format(frame.status[k])));
      const caption = frame.status[5];
      setText(byId('countdown'), (texts.countdown || {})[caption] ?? caption);
      const said = frame.said >= 0 ? frames[frame.said].happened : null;
      const phrase = said ? (texts.phrases || {})[said.text] ?? said.text : '';
      setText(byId('happened'), said ? fill(phrase, said.args) : '');
    };

    const clock = (ms) => {
      const seconds = Math.floor(ms / 1000);
      return Math.floor(seconds / 60) + ':' + String(seconds % 60).padStart(2, '0');
    };

    const showAt = (time) => {
      now = Math.max(0, Math.min(end, time));
      showFrame(lastAtOrBefore(now));
      slider.value = now;
      const valueText = clock(now);
      if (slider.getAttribute('aria-valuetext') !== valueText) slider.setAttribute('aria-valuetext', valueText);
      game.dataset.state = now >= end ? 'ended' : 'ready';
    };

    const setPlaying = (on) => {
      playing = on;
      lastStamp = null;
      play.textContent = (on ? texts.pause : texts.play) ?? play.textContent;
      play.setAttribute('aria-pressed', String(on));
      if (on) requestAnimationFrame(tick);
    };

    function tick(stamp) {
      if (!playing) return;
      // A tab in the background gets no frames: go on from where it was, not past the gap.
      if (lastStamp !== null) showAt(now + Math.min(stamp - lastStamp, 250) * speed);
      lastStamp = stamp;
      if (now >= end) setPlaying(false);
      else requestAnimationFrame(tick);
    }

    const togglePlay = () => {
      if (!playing && now >= end) showAt(0);
      setPlaying(!playing);
    };

    const toStart = () => {
      setPlaying(false);
      showAt(0);
    };

    const step = () => {
      setPlaying(false);
      const next = frames.find((frame) => frame.time > now);
      if (next) showAt(next.time);
    };

    play.addEventListener('click', togglePlay);
    byId('start').addEventListener('click', toStart);
    slider.addEventListener('input', () => showAt(Number(slider.value)));
    for (const button of speeds) {
      button.addEventListener('click', () => {
        speed = Number(button.dataset.speed);
        for (const other of speeds) other.setAttribute('aria-pressed', String(other === button));
      });
    }
    document.addEventListener('keydown', (event) => {
      const target = event.target;
      if (event.altKey || event.ctrlKey || event.metaKey || target.isContentEditable) return;
      if (target.matches('textarea, select, input:not([type=range])')) return;
      if (event.key === ' ' && !target.matches('button')) togglePlay();
      else if (event.key === '.') step();
      else if (event.key === 'Home') toStart();
      else return;
      event.preventDefault();
    });

    slider.max = end;
    setPlaying(false);
    showAt(0);
    byId('controls').hidden = false;
  }

  async function start() {
    const game = byId('game');
    if (!game) return;
    const texts = JSON.parse(byId('texts')?.textContent || '{}');
    let levels;
    let pictures;
    try {
      const answer = await fetch(game.dataset.frames, { headers: { Accept: 'application/json' } });
      if (!answer.ok) throw new Error(answer.statusText);
      levels = (await answer.json()).levels;
      if (!levels.length) throw new Error('no levels');
      pictures = await loadPictures(game.dataset.tiles);
    } catch (error) {
      byId('happened').textContent = texts.failed ?? 'This game could not be loaded.';
      return;
    }
    player(game, texts, levels, pictures);
  }

  start();
})();
