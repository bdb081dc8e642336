#pragma once

#include <QObject>
#include <QString>

class QLineEdit;
class QSlider;
class QWidget;

// The range of a numeric setting's slider and the text its box shows at load.
struct SettingRange {
    int minimum;
    int maximum;
    int smallStep;
    int largeStep;
    int tickEvery;
    QString initial;
};

// One numeric setting of the level: a slider and a text box kept in step. The text box holds the
// value of record (Save Level writes it, a test reads it); the slider is a way of setting it.
//
// Every change of the slider, the program's own included, writes its value into the box. Enter in
// the box means "set the slider to the number typed": the number at the start of the text, rounded
// half to even and kept within the range. The Enter key
// is swallowed, and a slider that already stands there does not change, so the box keeps the text
// as typed. Any other key is the box's own: it takes any text.
class SettingBox : public QObject {
    Q_OBJECT

public:
    SettingBox(QWidget* parent, const SettingRange& range);

    QSlider* slider() const { return m_slider; }
    QLineEdit* edit() const { return m_edit; }

    // Where the Enter rule puts the slider for this text.
    int sliderValueOf(const QString& typed) const;

    // The program's own setting of the box, as Open Level and undo make it: the box shows exactly
    // this text and the slider stands at its value (at the nearest end when outside the range).
    // It is not reported as changed().
    void show(const QString& value);

signals:
    // The slider moved by the designer's hand (dragging, clicking, keys or Enter in the box), and
    // the box now reads its value. before is the box's text as the program or the slider last
    // wrote it. drag numbers one press-and-drag of the handle, 0 outside a drag.
    void changed(const QString& before, const QString& after, int drag);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void writeSliderValue(int value);
    void takeTypedNumber();

    QSlider* const m_slider;
    QLineEdit* const m_edit;
    QString m_written;  // the text the slider or the program last wrote
    bool m_programSets = false;
    int m_drag = 0;
};
