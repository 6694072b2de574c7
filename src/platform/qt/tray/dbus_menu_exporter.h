#pragma once

#include "platform/qt/tray/dbus_menu_types.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QHash>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QSet>

namespace nimbrel {

// Exports a QMenu's entries as com.canonical.dbusmenu, so that a panel that draws menus itself
// draws ours natively: titles, order, enabled state and separators, kept up to date as the
// entries change, with a click on an entry triggering its action. Entries are numbered from 1 in
// the order they were added; 0 is the menu itself. Calls naming other entries are refused.
class DBusMenuExporter final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ version)
    Q_PROPERTY(QString TextDirection READ textDirection)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath)

public:
    static constexpr const char *objectPath = "/MenuBar";

    // Exports the menu on the bus at objectPath; a null menu is exported empty.
    DBusMenuExporter(QDBusConnection bus, QMenu *menu);
    ~DBusMenuExporter() override;

    uint version() const { return 3; }
    QString textDirection() const { return QStringLiteral("ltr"); }
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

public slots: // Named as the bus methods are.
    uint GetLayout(int parentId, int recursionDepth, const QStringList &propertyNames,
                   nimbrel::DBusMenuLayoutItem &layout);
    QList<nimbrel::DBusMenuItemProperties> GetGroupProperties(const QList<int> &ids, const QStringList &propertyNames);
    QDBusVariant GetProperty(int id, const QString &name);
    void Event(int id, const QString &eventId, const QDBusVariant &data, uint timestamp);
    QList<int> EventGroup(const QList<nimbrel::DBusMenuEvent> &events);
    bool AboutToShow(int id);
    QList<int> AboutToShowGroup(const QList<int> &ids, QList<int> &idErrors);

signals:
    void ItemsPropertiesUpdated(const QList<nimbrel::DBusMenuItemProperties> &updatedProps,
                                const QList<nimbrel::DBusMenuItemPropertyNames> &removedProps);
    void LayoutUpdated(uint revision, int parent);
    void ItemActivationRequested(int id, uint timestamp);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<QAction *> entries() const;
    QAction *entry(int id) const;
    bool isKnown(int id) const { return id == 0 || entry(id) != nullptr; }
    // The entry's properties of those names; all of them when none is named.
    QVariantMap properties(int id, const QSet<QString> &names) const;
    // Triggers the entry for a "clicked" event.
    void handleEvent(int id, const QString &eventId);
    void refuseUnknownId(int id);

    QDBusConnection m_bus;
    QPointer<QMenu> m_menu;
    QHash<QAction *, int> m_ids;
    int m_lastId = 0;
    uint m_revision = 1;
};

} // namespace nimbrel
