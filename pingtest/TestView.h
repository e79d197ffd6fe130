#pragma once

#include <string>

namespace lumet {

// Controls of the main window that the test controller drives; the window knows
// which of its controls each one is.
enum class ControlId : int {
    AddressField,
    Run,
    Random,
    StayAlive,
    Report,
    Settings,
};

// The lamp of a mode button: green while idle, red while its mode runs. REP
// blinks by switching its lamp.
enum class Lamp {
    Idle,
    Lit,
};

// The picture the status line shows for the mode; the first four match the test
// states, the last two are shown only during the random server search.
enum class StatusPicture : int {
    Ready = 0,
    Run = 1,
    Random = 2,
    StayAlive = 3,
    SeekingTarget = 4,
    Eliminated = 5,
};

// What kept a test from starting or going on; the window words it for the user.
enum class TestProblem {
    ServerListUnreadable, // missing, too large or not a file
    ServerListUsedUp,     // no entries left to draw from
    IcmpNotPermitted,     // the host refused to send the probe
};

// What the test controller needs of the main window. The window implements it;
// tests and the console front end use their own.
class TestView {
public:
    virtual ~TestView() = default;

    // Buttons and the address field.
    virtual void EnableControl(ControlId id, bool enable) = 0;
    virtual bool IsControlEnabled(ControlId id) const = 0;
    // Only loads the pictures; the controller disables and re-enables the button
    // around it when the button has to redraw.
    virtual void SetLamp(ControlId id, Lamp lamp) = 0;

    // Address field text (the field may re-lay itself and take the focus when its
    // text changes) and the keyboard focus.
    virtual std::string AddressFieldText() const = 0;
    virtual void SetAddressFieldText(const std::string& text) = 0;
    virtual void FocusAddressField() = 0;
    // While set, the display overlay leaves the area to the address field.
    virtual void SetAddressEntryMode(bool on) = 0;

    // Puts the idle display and the (disabled) address field back on the screen.
    virtual void RestoreDisplayArea() = 0;
    // Takes the current display area as the background of the displays.
    virtual void CaptureDisplayArea() = 0;

    // Draws the status line's mode picture into the display buffers (no paint).
    virtual void SetStatusPicture(StatusPicture picture) = 0;
    // Every test tick: live scale bar, scale markers, history graph, probe count,
    // probe status and host name, then a synchronous paint.
    virtual void RefreshDisplays() = 0;
    // End of a test: final scale bar and scale markers, then a synchronous paint.
    virtual void DrawFinalDisplays() = 0;
    // Blinks the average marker until the user moves the mouse or presses the left
    // button; keeps handling events meanwhile.
    virtual void BlinkAverageMarker() = 0;
    // Synchronous paint of the window.
    virtual void Paint() = 0;
    // The probes of the test so far, which the window shows in its title.
    virtual void ShowProbeCount(int probes) = 0;

    // Tells the user about a problem and waits until they have read it.
    virtual void Warn(TestProblem problem) = 0;
    // Tells the user that a server list entry did not resolve and was dropped from
    // the list for this session.
    virtual void NoticeDroppedServer(const std::string& entry) = 0;

    // Panels; each close does nothing when the panel is not open.
    virtual void CloseAboutPanel() = 0;
    virtual void CloseReportPanel() = 0;
    // Closes the settings panel without taking over what was typed into its fields.
    virtual void CloseSettingsPanelDiscarding() = 0;
    virtual bool IsSettingsPanelOpen() const = 0;

    // Writes the settings and ends the program.
    virtual void SaveAndExit() = 0;
};

} // namespace lumet
