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
    return QStringLiteral("passes %1 of %2 runs (%3%)")
        .arg(summary.passed)
        .arg(summary.runs)
        .arg(qRound(100 * summary.passRate));
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
    setWindowTitle(QStringLiteral("Check Level"));
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
        lblBot->setText(passes(bot) + QStringLiteral(", median score %1, median time %2 s")
                                          .arg(bot.medianScore)
                                          .arg(bot.medianSeconds, 0, 'f', 1));
        lblEffort->setText(bot.saved == 0 ? QStringLiteral("no turtle saved")
                                          : QStringLiteral("%1 commands per saved turtle: about as hard as level %2")
                                                .arg(bot.commandsPerSaved(), 0, 'f', 2)
                                                .arg(aboutAsHardAs(bot.commandsPerSaved())));
        lblIdle->setText(passes(idle));
        lblReach->setText(QStringLiteral("%1 of %2").arg(result.reach.reaching).arg(result.reach.turtles));
        form->addRow(QStringLiteral("Turtles with a way to water:"), lblReach);
        if (result.played()) {
            form->addRow(QStringLiteral("Computer player:"), lblBot);
            form->addRow(QStringLiteral("Difficulty:"), lblEffort);
            form->addRow(QStringLiteral("Nobody at the board:"), lblIdle);
        }
        const int endless = endlessRuns(result.botRuns) + endlessRuns(result.idleRuns);
        lblEndless->setText(QStringLiteral("%1 of %2 runs went ten simulated minutes without the level ending")
                                .arg(endless)
                                .arg(result.botRuns.size() + result.idleRuns.size()));
        lblEndless->setVisible(endless > 0);
    }
    auto* buttons = new QDialogButtonBox(this);
    butWatch = buttons->addButton(QStringLiteral("Watch"), QDialogButtonBox::ActionRole);
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
