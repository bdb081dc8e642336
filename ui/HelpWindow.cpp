#include "ui/HelpWindow.h"

#include "ui/AccessibleNames.h"
#include "ui/Translations.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget* opener) : QDialog(opener)
{
    setWindowTitle(tr("Pondrake Help"));
    m_browser = new QTextBrowser(this);
    // Pages and pictures of the program folder are followed here; anything else (the web, mail)
    // is the desktop's to open.
    m_browser->setOpenExternalLinks(true);
    AccessibleNames::name(m_browser, tr("Help page"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* back = buttons->addButton(tr("Back"), QDialogButtonBox::ActionRole);
    back->setObjectName(QStringLiteral("back"));
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser);
    layout->addWidget(buttons);
    resize(760, 640);
}

HelpWindow* HelpWindow::showPage(QWidget* opener, const QString& programFolder, const QString& page,
                                 const QString& anchor)
{
    auto* window = opener->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window)
        window = new HelpWindow(opener);
    window->load(programFolder + QLatin1Char('/') + pageIn(programFolder, page, Translations::current()), anchor);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void HelpWindow::load(const QString& path, const QString& anchor)
{
    if (!QFileInfo(path).isFile()) {
        m_browser->setHtml(QStringLiteral("<h2>%1</h2><p>%2</p>")
                               .arg(tr("No help here"), tr("The help page %1 is missing from the program's folder. "
                                                           "Installing the game again brings it back.")
                                                            .arg(QDir::toNativeSeparators(path).toHtmlEscaped())));
        return;
    }
    QUrl url = QUrl::fromLocalFile(path);
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    m_browser->setSource(url);
}

QString HelpWindow::pageIn(const QString& programFolder, const QString& page, const QString& language)
{
    const QFileInfo english(page);
    const QString translated = english.completeBaseName() + u'_' + language + u'.' + english.suffix();
    return language != Translations::English && QFileInfo(programFolder + u'/' + translated).isFile() ? translated
                                                                                                      : page;
}
