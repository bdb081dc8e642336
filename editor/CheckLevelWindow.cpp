#include "editor/CheckLevelWindow.h"

#include "editor/LevelCheck.h"
#include "ui/AccessibleNames.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString passes(const SeedSummary& summary)
{
    return CheckLevelWindow::tr("passes %1 of %2 runs (%3%)")
        .arg(QString::number(summary.passed), QString::number(summary.runs),
             QString::number(qRound(100 * summary.passRate)));
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
    lblBot = line(this, "lblBot");
    lblEffort = line(this, "lblEffort");
    lblIdle = line(this, "lblIdle");
    lblReach = line(this, "lblReach");
    lblEndless = line(this, "lblEndless");
    lblVerdict = line(this, "lblVerdict");
    QFont bold = lblVerdict->font();
    bold.setBold(true);
    lblVerdict->setFont(bold);
    lblVerdict->setText(result.verdict());
    using AccessibleNames::nameValue;
    nameValue(lblBot, tr("Computer player"));
    nameValue(lblEffort, tr("Difficulty"));
    nameValue(lblIdle, tr("Nobody at the board"));
    nameValue(lblReach, tr("Turtles with a way to water"));
    if (result.readable()) {
        const SeedSummary bot = result.bot();
        const SeedSummary idle = result.idle();
        lblBot->setText(
            tr("%1, median score %2, median time %3 s")
                .arg(passes(bot), QString::number(bot.medianScore), QString::number(bot.medianSeconds, 'f', 1)));
        lblEffort->setText(bot.saved == 0 ? tr("no turtle saved")
                                          : tr("%1 commands per saved turtle: about as hard as level %2")
                                                .arg(QString::number(bot.commandsPerSaved(), 'f', 2),
                                                     QString::number(aboutAsHardAs(bot.commandsPerSaved()))));
        lblIdle->setText(passes(idle));
        lblReach->setText(
            tr("%1 of %2").arg(QString::number(result.reach.reaching), QString::number(result.reach.turtles)));
        form->addRow(tr("Turtles with a way to water:"), lblReach);
        if (result.played()) {
            form->addRow(tr("Computer player:"), lblBot);
            form->addRow(tr("Difficulty:"), lblEffort);
            form->addRow(tr("Nobody at the board:"), lblIdle);
        }
        const int endless = endlessRuns(result.botRuns) + endlessRuns(result.idleRuns);
        lblEndless->setText(
            tr("%1 of %2 runs went ten simulated minutes without the level ending")
                .arg(QString::number(endless), QString::number(result.botRuns.size() + result.idleRuns.size())));
        lblEndless->setVisible(endless > 0);
    }
    auto* buttons = new QDialogButtonBox(this);
    butWatch = buttons->addButton(tr("Watch"), QDialogButtonBox::ActionRole);
    butWatch->setVisible(result.played());
    connect(butWatch, &QPushButton::clicked, this, [this, seed = result.watchSeed()] { emit watchRequested(seed); });
    butClose = buttons->addButton(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(lblEndless);
    layout->addWidget(lblVerdict);
    layout->addWidget(buttons);
    for (QLabel* unplayed : {lblBot, lblEffort, lblIdle, lblEndless})
        if (!result.played())
            unplayed->hide();
    if (!result.readable())
        lblReach->hide();
}
