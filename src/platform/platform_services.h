#pragma once

namespace nimbrel {

class Application;
class BackgroundWork;
class ImageLibrary;
class LoginItem;
class Pasteboard;
class StatusBar;
class TextTranslation;
class TimerScheduler;
class UserDefaults;
class UserNotificationCenter;

// The platform objects the controller uses, built once by whoever starts the program.
// None is owned here; each must outlive the controller.
struct PlatformServices {
    UserNotificationCenter &center;
    Pasteboard &pasteboard;
    StatusBar &statusBar;
    UserDefaults &userDefaults;
    TimerScheduler &timers;
    ImageLibrary &images;
    Application &application;
    BackgroundWork &background;
    LoginItem &loginItem;
    TextTranslation &translation;
};

} // namespace nimbrel
