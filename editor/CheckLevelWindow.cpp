#include "editor/CheckLevelWindow.h"

#include "sim/LevelJudge.h"
#include "ui/AccessibleNames.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString passes(const SeedSummary& summary)
{
    return CheckLevelWindow::tr("passes %1 of %Ln runs (%2%)", nullptr, summary.runs)
        .arg(QLocale().toString(summary.passed), QLocale().toString(qRound(100 * summary.passRate)));
}

QLabel* line(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

CheckLevelWindow::CheckLevelWindow(const CheckResult& result, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Check Level"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* form = new QFormLayout;
    QLabel* botLabel = line(this, "botLabel");
    QLabel* effortLabel = line(this, "effortLabel");
    QLabel* idleLabel = line(this, "idleLabel");
    QLabel* reachLabel = line(this, "reachLabel");
    QLabel* endlessLabel = line(this, "endlessLabel");  // hidden unless some runs did not end
    m_verdictLabel = line(this, "verdictLabel");
    QFont bold = m_verdictLabel->font();
    bold.setBold(true);
    m_verdictLabel->setFont(bold);
    m_verdictLabel->setText(result.verdict());
    using AccessibleNames::nameValue;
    nameValue(botLabel, tr("Computer player"));
    nameValue(effortLabel, tr("Difficulty"));
    nameValue(idleLabel, tr("Nobody at the board"));
    nameValue(reachLabel, tr("Turtles with a way to water"));
    if (result.readable()) {
        const SeedSummary bot = result.bot();
        const SeedSummary idle = result.idle();
        botLabel->setText(
            tr("%1, median score %2, median time %3 s")
                .arg(passes(bot), QLocale().toString(bot.medianScore), QLocale().toString(bot.medianSeconds, 'f', 1)));
        effortLabel->setText(bot.saved == 0 ? tr("no turtle saved")
                                            : tr("%1 commands per saved turtle: about as hard as level %2")
                                                  .arg(QLocale().toString(bot.commandsPerSaved(), 'f', 2),
                                                       QLocale().toString(aboutAsHardAs(bot.commandsPerSaved()))));
        idleLabel->setText(passes(idle));
        reachLabel->setText(
            tr("%1 of %2").arg(QString::number(result.reach.reaching), QString::number(result.reach.turtles)));
        form->addRow(tr("Turtles with a way to water:"), reachLabel);
        if (result.played()) {
            form->addRow(tr("Computer player:"), botLabel);
            form->addRow(tr("Difficulty:"), effortLabel);
            form->addRow(tr("Nobody at the board:"), idleLabel);
        }
        const int endless = endlessRuns(result.botRuns) + endlessRuns(result.idleRuns);
        endlessLabel->setText(
            tr("%Ln of %1 runs went ten simulated minutes without the level ending", nullptr, endless)
                .arg(QLocale().toString(qsizetype(result.botRuns.size()) + qsizetype(result.idleRuns.size()))));
        endlessLabel->setVisible(endless > 0);
    }
    auto* buttons = new QDialogButtonBox(this);
    m_watchButton = buttons->addButton(tr("Watch"), QDialogButtonBox::ActionRole);
    m_watchButton->setVisible(result.played());
    connect(m_watchButton, &QPushButton::clicked, this,
            [this, seed = result.watchSeed()] { emit watchRequested(seed); });
    buttons->addButton(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(endlessLabel);
    layout->addWidget(m_verdictLabel);
    layout->addWidget(buttons);
    for (QLabel* unplayed : {botLabel, effortLabel, idleLabel, endlessLabel})
        if (!result.played())
            unplayed->hide();
    if (!result.readable())
        reachLabel->hide();
}
