#pragma once

#include "platform/qt/tray/dbus_menu_exporter.h"
#include "platform/qt/tray/status_notifier_types.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

namespace nimbrel {

// The program's icon as an org.kde.StatusNotifierItem on the session bus, with its menu exported
// beside it, registered with the panel's org.kde.StatusNotifierWatcher. The item is all menu: a
// panel that draws menus itself shows ours on a click; one that asks us (ContextMenu, or Activate
// for a left click) gets our own menu at the position it names.
class StatusNotifierItem final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(int WindowId READ windowId)
    Q_PROPERTY(QString IconThemePath READ iconThemePath)
    Q_PROPERTY(QString IconName READ iconName)
    Q_PROPERTY(nimbrel::StatusNotifierPixmaps IconPixmap READ iconPixmap)
    Q_PROPERTY(QString OverlayIconName READ overlayIconName)
    Q_PROPERTY(nimbrel::StatusNotifierPixmaps OverlayIconPixmap READ overlayIconPixmap)
    Q_PROPERTY(QString AttentionIconName READ attentionIconName)
    Q_PROPERTY(nimbrel::StatusNotifierPixmaps AttentionIconPixmap READ attentionIconPixmap)
    Q_PROPERTY(QString AttentionMovieName READ attentionMovieName)
    Q_PROPERTY(nimbrel::StatusNotifierToolTip ToolTip READ toolTip)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ menuPath)

public:
    static constexpr const char *objectPath = "/StatusNotifierItem";
    static constexpr const char *watcherService = "org.kde.StatusNotifierWatcher";

    // Exports the item on the bus at objectPath; it is shown once registered with the watcher.
    explicit StatusNotifierItem(QDBusConnection bus);
    ~StatusNotifierItem() override;

    // Asks the watcher to show the item; failed is called if it refuses or does not answer.
    void registerWithWatcher(std::function<void(const QString &error)> failed);
    // A null icon leaves the item without one, passive.
    void setIcon(const QIcon &icon);
    void setMenu(QMenu *menu);

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const { return QStringLiteral("nimbrel"); }
    QString title() const { return QStringLiteral("Nimbrel"); }
    QString status() const;
    int windowId() const { return 0; }
    QString iconThemePath() const { return {}; }
    QString iconName() const;
    StatusNotifierPixmaps iconPixmap() const { return m_pixmaps; }
    QString overlayIconName() const { return {}; }
    StatusNotifierPixmaps overlayIconPixmap() const { return {}; }
    QString attentionIconName() const { return {}; }
    StatusNotifierPixmaps attentionIconPixmap() const { return {}; }
    QString attentionMovieName() const { return {}; }
    StatusNotifierToolTip toolTip() const;
    bool itemIsMenu() const { return true; }
    QDBusObjectPath menuPath() const { return QDBusObjectPath(DBusMenuExporter::objectPath); }

public slots: // Named as the bus methods are.
    void Activate(int x, int y) { popUpMenu(x, y); }
    void ContextMenu(int x, int y) { popUpMenu(x, y); }
    // A middle click or the wheel over the icon does nothing, as on any tray.
    void SecondaryActivate(int, int) {}
    void Scroll(int, const QString &) {}

signals:
    void NewTitle();
    void NewIcon();
    void NewAttentionIcon();
    void NewOverlayIcon();
    void NewToolTip();
    void NewStatus(const QString &status);

private:
    void popUpMenu(int x, int y);

    QDBusConnection m_bus;
    QPointer<QMenu> m_menu;
    std::unique_ptr<DBusMenuExporter> m_menuExporter;
    StatusNotifierPixmaps m_pixmaps;
};

} // namespace nimbrel
