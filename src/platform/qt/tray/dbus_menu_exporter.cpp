#include "platform/qt/tray/dbus_menu_exporter.h"

#include <QActionEvent>
#include <QDBusError>

namespace nimbrel {

DBusMenuExporter::DBusMenuExporter(QDBusConnection bus, QMenu *menu)
    : m_bus(std::move(bus))
    , m_menu(menu)
{
    registerDBusMenuTypes();
    for (QAction *action : entries())
        m_ids.insert(action, ++m_lastId);
    if (m_menu != nullptr)
        m_menu->installEventFilter(this);
    m_bus.registerObject(QString::fromLatin1(objectPath), this,
                         QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals
                             | QDBusConnection::ExportAllProperties);
}

DBusMenuExporter::~DBusMenuExporter()
{
    m_bus.unregisterObject(QString::fromLatin1(objectPath));
}

uint DBusMenuExporter::GetLayout(int parentId, int recursionDepth, const QStringList &propertyNames,
                                 DBusMenuLayoutItem &layout)
{
    if (!isKnown(parentId)) {
        refuseUnknownId(parentId);
        return 0;
    }
    const QSet<QString> names(propertyNames.begin(), propertyNames.end());
    layout = DBusMenuLayoutItem{parentId, properties(parentId, names), {}};
    if (parentId == 0 && recursionDepth != 0) {
        for (QAction *action : entries()) {
            const int id = m_ids.value(action);
            layout.children.append(DBusMenuLayoutItem{id, properties(id, names), {}});
        }
    }
    return m_revision;
}

QList<DBusMenuItemProperties> DBusMenuExporter::GetGroupProperties(const QList<int> &ids,
                                                                   const QStringList &propertyNames)
{
    QList<int> wanted = ids;
    // None named: all of them.
    if (wanted.isEmpty()) {
        for (QAction *action : entries())
            wanted.append(m_ids.value(action));
    }
    // Any program on the bus may ask: an id asked for again, or a name no entry has, costs no
    // more than looking it up once, so the answer takes time in proportion to the menu.
    const QSet<QString> names(propertyNames.begin(), propertyNames.end());
    QSet<int> seen;
    QList<DBusMenuItemProperties> found;
    for (const int id : wanted) {
        const qsizetype before = seen.size();
        seen.insert(id);
        if (seen.size() != before && isKnown(id))
            found.append(DBusMenuItemProperties{id, properties(id, names)});
    }
    return found;
}

QDBusVariant DBusMenuExporter::GetProperty(int id, const QString &name)
{
    const QVariantMap all = properties(id, {});
    if (!isKnown(id) || !all.contains(name)) {
        sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("no property %1 of entry %2").arg(name).arg(id));
        return {};
    }
    return QDBusVariant(all.value(name));
}

void DBusMenuExporter::Event(int id, const QString &eventId, const QDBusVariant &, uint)
{
    if (isKnown(id))
        handleEvent(id, eventId);
    else
        refuseUnknownId(id);
}

QList<int> DBusMenuExporter::EventGroup(const QList<DBusMenuEvent> &events)
{
    // One click is one user's action: a group of many is no panel's, and would run an entry over
    // and over. The first click counts.
    bool clicked = false;
    QList<int> idErrors;
    for (const DBusMenuEvent &event : events) {
        if (!isKnown(event.id)) {
            idErrors.append(event.id);
            continue;
        }
        if (event.eventId == QLatin1String("clicked")) {
            if (clicked)
                continue;
            clicked = true;
        }
        handleEvent(event.id, event.eventId);
    }
    if (!events.isEmpty() && idErrors.size() == events.size())
        sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("no such entries"));
    return idErrors;
}

bool DBusMenuExporter::AboutToShow(int id)
{
    if (!isKnown(id))
        refuseUnknownId(id);
    // The entries are always up to date: the panel need not ask for the layout again.
    return false;
}

QList<int> DBusMenuExporter::AboutToShowGroup(const QList<int> &ids, QList<int> &idErrors)
{
    for (const int id : ids) {
        if (!isKnown(id))
            idErrors.append(id);
    }
    return {};
}

bool DBusMenuExporter::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == m_menu && (type == QEvent::ActionAdded || type == QEvent::ActionRemoved || type == QEvent::ActionChanged)) {
        QAction *action = static_cast<QActionEvent *>(event)->action();
        if (type == QEvent::ActionAdded || type == QEvent::ActionRemoved) {
            if (type == QEvent::ActionAdded)
                m_ids.insert(action, ++m_lastId);
            else
                m_ids.remove(action);
            emit LayoutUpdated(++m_revision, 0);
        } else {
            const int id = m_ids.value(action);
            emit ItemsPropertiesUpdated({DBusMenuItemProperties{id, properties(id, {})}}, {});
        }
    }
    return QObject::eventFilter(watched, event);
}

QList<QAction *> DBusMenuExporter::entries() const
{
    return m_menu != nullptr ? m_menu->actions() : QList<QAction *>();
}

QAction *DBusMenuExporter::entry(int id) const
{
    // A menu gone with its entries leaves ids behind: they name nothing.
    if (m_menu == nullptr)
        return nullptr;
    return m_ids.key(id, nullptr);
}

QVariantMap DBusMenuExporter::properties(int id, const QSet<QString> &names) const
{
    QVariantMap all;
    if (id == 0) {
        all.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
    } else if (const QAction *action = entry(id)) {
        if (action->isSeparator())
            all.insert(QStringLiteral("type"), QStringLiteral("separator"));
        else
            all.insert(QStringLiteral("label"), action->text());
        all.insert(QStringLiteral("enabled"), action->isEnabled());
        all.insert(QStringLiteral("visible"), action->isVisible());
    }
    if (names.isEmpty())
        return all;
    for (auto property = all.begin(); property != all.end();) {
        if (names.contains(property.key()))
            ++property;
        else
            property = all.erase(property);
    }
    return all;
}

void DBusMenuExporter::handleEvent(int id, const QString &eventId)
{
    QAction *action = entry(id);
    // A panel may still show an entry that was disabled a moment ago: QAction ignores its click.
    if (action != nullptr && eventId == QLatin1String("clicked"))
        action->trigger();
}

void DBusMenuExporter::refuseUnknownId(int id)
{
    sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("no menu entry %1").arg(id));
}

} // namespace nimbrel
