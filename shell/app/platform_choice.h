#pragma once

namespace pipwick {

// How the windowing platform is chosen before the application starts.
enum class Platform {
    kAsChosen,  // the user named a platform (QT_QPA_PLATFORM), or an X display is there
    kXWayland,  // a Wayland session: its clients cannot place their windows, X clients can
    kNoDisplay,
};

// From the values of QT_QPA_PLATFORM, DISPLAY and WAYLAND_DISPLAY (null or empty when unset).
Platform ChoosePlatform(const char* chosenPlatform, const char* display,
                        const char* waylandDisplay);

// Applies the choice to this process's environment; returns false when there is no display.
bool PreparePlatform();

// Collects what the platform reports while the application object is created. A platform that
// cannot start ends the program with one line on standard error and exit code 1 instead of an
// abort; warnings of a start that succeeds are passed on once it has.
class PlatformStartWatch {
  public:
    PlatformStartWatch();
    ~PlatformStartWatch();
    PlatformStartWatch(const PlatformStartWatch&) = delete;
    PlatformStartWatch& operator=(const PlatformStartWatch&) = delete;

    // The application object exists: give back the usual message handling.
    void Started();
};

}  // namespace pipwick
