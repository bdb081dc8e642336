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

QAccessibleInterface* announcerFactory(const QString& className, QObject* object)
{
    auto* announcer = qobject_cast<Announcer*>(object);
    return className == QLatin1String("Announcer") && announcer ? new AnnouncerAccessible(announcer) : nullptr;
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
}

void Announcer::say(const QString& words)
{
    m_said = words;
    hide();  // shown afresh, so that the bridge announces it again
    show();
    raise();
    m_hide.start();
}
