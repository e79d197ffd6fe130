#pragma once

#include "pingtest/TestView.h"
#include "probe/AddressFieldView.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace lumet::test {

// A main window that only writes down what it was asked to do, one line per call,
// and keeps the state the controller reads back.
class RecordingTestView final : public TestView, public AddressFieldView {
public:
    std::vector<std::string> log;
    std::map<ControlId, bool> enabled;
    std::map<ControlId, Lamp> lamps;
    std::vector<StatusPicture> pictures;
    std::string fieldText;
    std::optional<int> shownProbeCount; // in the window's title
    // What the user was told, one line each: "warn <problem>" or "dropped <entry>".
    std::vector<std::string> told;
    bool settingsOpen = false;
    bool entryMode = false;

    static std::string Name(ControlId id) {
        switch (id) {
        case ControlId::AddressField:
            return "field";
        case ControlId::Run:
            return "RUN";
        case ControlId::Random:
            return "RND";
        case ControlId::StayAlive:
            return "STA";
        case ControlId::Report:
            return "REP";
        case ControlId::Settings:
            return "SET";
        }
        return "?";
    }

    // The log lines since `from`, for checking one step's calls.
    std::vector<std::string> Since(std::size_t from) const {
        return {log.begin() + static_cast<std::ptrdiff_t>(from), log.end()};
    }

    void EnableControl(ControlId id, bool enable) override {
        enabled[id] = enable;
        log.push_back((enable ? "enable " : "disable ") + Name(id));
    }
    bool IsControlEnabled(ControlId id) const override {
        const auto found = enabled.find(id);
        return found != enabled.end() && found->second;
    }
    void SetLamp(ControlId id, Lamp lamp) override {
        lamps[id] = lamp;
        log.push_back("lamp " + Name(id) + (lamp == Lamp::Lit ? " lit" : " idle"));
    }
    std::string AddressFieldText() const override { return fieldText; }
    void SetAddressFieldText(const std::string& text) override {
        fieldText = text;
        log.push_back("field text " + text);
    }
    void FocusAddressField() override { log.push_back("focus field"); }
    void SetAddressEntryMode(bool on) override {
        entryMode = on;
        log.push_back(on ? "entry mode on" : "entry mode off");
    }
    void RestoreDisplayArea() override {
        enabled[ControlId::AddressField] = false;
        log.push_back("restore");
    }
    void CaptureDisplayArea() override { log.push_back("capture"); }
    void SetStatusPicture(StatusPicture picture) override {
        pictures.push_back(picture);
        log.push_back("status " + std::to_string(static_cast<int>(picture)));
    }
    void RefreshDisplays() override { log.push_back("refresh"); }
    void DrawFinalDisplays() override { log.push_back("final"); }
    void BlinkAverageMarker() override { log.push_back("blink marker"); }
    void Paint() override { log.push_back("paint"); }
    void ShowProbeCount(int probes) override {
        shownProbeCount = probes;
        log.push_back("count " + std::to_string(probes));
    }
    void Warn(TestProblem problem) override {
        switch (problem) {
        case TestProblem::ServerListUnreadable:
            told.push_back("warn unreadable list");
            return;
        case TestProblem::ServerListUsedUp:
            told.push_back("warn used-up list");
            return;
        case TestProblem::IcmpNotPermitted:
            told.push_back("warn icmp not permitted");
            return;
        }
    }
    void NoticeDroppedServer(const std::string& entry) override {
        told.push_back("dropped " + entry);
    }
    void CloseAboutPanel() override { log.push_back("close about"); }
    void CloseReportPanel() override { log.push_back("close report"); }
    void CloseSettingsPanelDiscarding() override {
        settingsOpen = false;
        log.push_back("close settings");
    }
    bool IsSettingsPanelOpen() const override { return settingsOpen; }
    void SaveAndExit() override { log.push_back("save and exit"); }

    // Target resolution's side of the window.
    void ShowWrongAddress() override {
        enabled[ControlId::AddressField] = false;
        log.push_back("wrong address");
    }
    void ShowResolvedAddress(const std::string& dotted) override {
        fieldText = dotted;
        log.push_back("resolved " + dotted);
    }
    void ShowLocalAddressUnknown(const std::string& hostName) override {
        told.push_back("local address unknown " + hostName);
    }
};

} // namespace lumet::test
