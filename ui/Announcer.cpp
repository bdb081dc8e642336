#include "ui/Announcer.h"

#include <QAccessibleWidget>
#include <QCoreApplication>

namespace {

class AnnouncerAccessible : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(Announcer* announcer) : QAccessibleWidget(announcer, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return {};
        const QString& said = static_cast<Announcer*>(widget())->said();
        return said.isEmpty() ? QCoreApplication::translate("Announcer", "Game news") : said;  // before the first
    }
};

QAccessibleInterface* announcerFactory(const QString&, QObject* object)
{
    auto* announcer = qobject_cast<Announcer*>(object);
    return announcer ? new AnnouncerAccessible(announcer) : nullptr;
}

}  // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    static const bool installed = (QAccessible::installFactory(announcerFactory), true);
    Q_UNUSED(installed);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    hide();
    m_hide.setSingleShot(true);
    m_hide.setInterval(3000);
    connect(&m_hide, &QTimer::timeout, this, &QWidget::hide);
    m_show.setSingleShot(true);
    m_show.setInterval(0);
    connect(&m_show, &QTimer::timeout, this, [this] {
        show();
        raise();
    });
}

void Announcer::say(const QString& words)
{
    // Messages of one turn are told together: the last turtle saved, then the level's end.
    if (m_show.isActive() && !m_said.isEmpty())
        m_said += (m_said.back().isLetterOrNumber() ? QStringLiteral(". ") : QStringLiteral(" ")) + words;
    else
        m_said = words;
    QAccessibleEvent named(this, QAccessible::NameChanged);  // what a reader keeps of the object
    QAccessible::updateAccessibility(&named);
    // Hidden and shown again in one turn of the event loop, a notification is not told of again:
    // it shows on the next turn.
    hide();
    m_show.start();
    m_hide.start();
}
