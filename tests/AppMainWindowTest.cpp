#include "app/AppModel.h"
#include "app/CMainWindow.h"
#include "device/hid/InProcessHidBus.h"
#include "dialogs/CAttentionDlg.h"
#include "dialogs/SecondaryWindowTable.h"
#include "macro/MacroLibraryFile.h"
#include "settings/ButtonAssignment.h"
#include "settings/ProfileFile.h"
#include "settings/TextFormat.h"
#include "ui/CBattery.h"
#include "ui/CComboButton.h"
#include "ui/UiContext.h"

#include "MouseEmulator.h"
#include "platform/headless/HeadlessPlatform.h"

#include "AppTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// The whole program on the headless backend: first start on a fresh data folder, the emulated
// mouse on the cable, the real main window and its dialogs.
struct ProgramRun : ::testing::Test {
    fs::path base = apptest::FreshTestFolder("corvex-program-");
    HeadlessPlatform platform{apptest::ProgramSetup(base)};
    MouseEmulator mouse;
    std::unique_ptr<InProcessHidBus> bus;
    AppModel model;
    std::unique_ptr<UiContext> ui;
    std::unique_ptr<CMainWindow> main;
    // Every modal run, as "progress" or "attention <message>".
    std::vector<std::u16string> modals;

    void SetUp() override {
        SecondaryWindows().Clear();
        mouse.Plug(MouseConnection::Cable);
        bus = std::make_unique<InProcessHidBus>(mouse);
        LoadAppModel(platform, model);
        ui = std::make_unique<UiContext>(platform, model.texts, model.folders.program,
                                         model.uiScale);
        main = std::make_unique<CMainWindow>(*ui, model, *bus);
        platform.SetModalHook([this](WindowId w) { OnModal(w); });
        ASSERT_TRUE(main->Create());
        ASSERT_TRUE(PumpUntil([&] { return main->Shell().Session().Link().AnyPresent(); }));
    }
    void TearDown() override {
        main.reset();
        fs::remove_all(base);
    }

    template <class F> bool PumpUntil(F done) { return apptest::PumpUntil(platform, done); }

    // The progress bar runs its timers to the end; an attention dialog is read and confirmed.
    void OnModal(WindowId w) {
        const int width = platform.WindowRect(w).Width();
        if (width == ui->Scale(CAttentionDlg::kWidth)) {
            platform.Pump();
            modals.push_back(u"attention " + MessageOf(w));
            platform.EndModal(w, DialogResult::Ok);
            return;
        }
        modals.push_back(u"progress");
        for (int i = 0; i < 200 && platform.IsTimerArmed(w, 2) + platform.IsTimerArmed(w, 1); ++i)
            platform.AdvanceMs(10);
    }
    std::u16string MessageOf(WindowId w) const {
        for (const PaintOp& op : platform.LastPaintOps(w))
            if (op.kind == PaintKind::DrawString && (op.flags & TextFlag::WordBreak))
                return op.text;
        return u"?";
    }
    std::u16string Attention(int text) const {
        return u"attention " + model.texts.Get(size_t(text));
    }

    void ClickControl(int id) {
        const Rect r = main->FindControl(unsigned(id))->GetRect();
        const Point p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        platform.MouseMove(main->Window(), p);
        platform.Click(main->Window(), p);
    }
    // The open notices (non-modal attention dialogs), oldest first.
    std::vector<WindowId> Notices() const {
        std::vector<WindowId> found;
        for (WindowId w : platform.Windows())
            if (platform.Kind(w) == WindowKind::Notice)
                found.push_back(w);
        return found;
    }
    std::vector<std::string> SentCommands() const {
        std::vector<std::string> names;
        for (const FrameRecord& f : mouse.Frames()) {
            const std::string line = FormatFrame(f);
            names.push_back(line.substr(0, line.find(' ')));
        }
        return names;
    }
};

} // namespace

TEST_F(ProgramRun, MenuChoiceGoesToTheMouseThenTheFilesTenSecondsLater) {
    const fs::path file = model.settings->ProfileSlotPath(model.settings->GetCurrentProfile());
    const auto writtenAtStart = fs::last_write_time(file);
    mouse.ClearFrames();

    ClickControl(2015);
    const auto windows = platform.Windows();
    ASSERT_EQ(platform.Kind(windows.back()), WindowKind::PopupList);
    const WindowId menu = windows.back();
    const Point back{80, 1 + 4 * 22 + 11}; // the fifth row: Back
    platform.MouseMove(menu, back);
    platform.Click(menu, back);
    const ButtonFunction chosen = model.CurrentProfile().Keys[2].Value;
    EXPECT_EQ(model.CurrentProfile().Keys[2].Name, model.texts.Get(24));
    EXPECT_TRUE(SentCommands().empty()) << "nothing before timer 30";

    platform.AdvanceMs(20);
    EXPECT_EQ(SentCommands(), (std::vector<std::string>{"SetButtonTable", "SetButtonTable"}));
    const auto firmware = mouse.Firmware();
    EXPECT_EQ(firmware.buttons[2],
              (std::array<uint8_t, 3>{chosen.bytes[0], chosen.bytes[1], chosen.bytes[2]}));
    EXPECT_EQ(modals, std::vector<std::u16string>{u"progress"});

    platform.AdvanceMs(9000);
    EXPECT_EQ(fs::last_write_time(file), writtenAtStart) << "the save waits 10 s";
    platform.AdvanceMs(1500);
    ProfileSettings saved;
    ASSERT_TRUE(ProfileFile::Read(saved, file));
    EXPECT_EQ(saved.Keys[2].Value, chosen);
    EXPECT_EQ(saved.Keys[2].Name, model.texts.Get(24));
}

TEST_F(ProgramRun, TheOnlyLeftButtonIsKeptAndTheUserWarned) {
    for (int key = 1; key < 16; ++key)
        model.CurrentProfile().Keys[size_t(key)].Value = ButtonFunction{{0x10, 0x04, 0x00}};
    main->AssignButton(2013, u"Copy", ButtonFunction{{0x70, 0x01, 0x06}});
    EXPECT_EQ(model.CurrentProfile().Keys[0].Value, kLeftButtonCode);
    EXPECT_TRUE(modals.empty());
    platform.AdvanceMs(100);
    EXPECT_EQ(modals, std::vector<std::u16string>{Attention(kLeftButtonWarningTextNumber)});
}

TEST_F(ProgramRun, RemovingTheMouseClosesSecondaryWindowsAndOpensANoticeEachTime) {
    CAttentionDlg open(*ui, u"", u"left open", main->Window(), WindowKind::Dialog);
    ASSERT_TRUE(open.Create());
    ASSERT_TRUE(mouse.Unplug(MouseConnection::Cable));
    ASSERT_TRUE(PumpUntil([&] { return Notices().size() == 1; }));
    EXPECT_EQ(open.Window(), 0u) << "the dialog open before was closed";
    const WindowId first = Notices()[0];
    EXPECT_TRUE(platform.IsTopmost(first));
    EXPECT_EQ(platform.Owner(first), 0u);
    ASSERT_EQ(main->OpenNotices().size(), 1u);
    EXPECT_EQ(main->OpenNotices()[0]->Message(), model.texts.Get(155));

    // Plugged and pulled again before the first notice was read: the closing on arrival takes
    // the first, the removal opens a second.
    mouse.Plug(MouseConnection::Cable);
    ASSERT_TRUE(PumpUntil([&] { return Notices().empty(); }));
    mouse.Unplug(MouseConnection::Cable);
    ASSERT_TRUE(PumpUntil([&] { return Notices().size() == 1; }));
    EXPECT_NE(Notices()[0], first);
}

TEST_F(ProgramRun, NoticeOnANoticeWhenTheMouseIsStillMissing) {
    ASSERT_TRUE(mouse.Unplug(MouseConnection::Cable));
    ASSERT_TRUE(PumpUntil([&] { return Notices().size() == 1; }));
    main->AssignButton(2015, u"Copy", ButtonFunction{{0x70, 0x01, 0x06}});
    platform.AdvanceMs(20);
    ASSERT_EQ(Notices().size(), 2u);
    EXPECT_EQ(main->OpenNotices().back()->Message(), model.texts.Get(156));
}

TEST_F(ProgramRun, TheSupportSequenceShowsTheContact) {
    for (char letter : std::string(SupportSequence::kLetters))
        platform.KeyDown(main->Window(), letter);
    ASSERT_EQ(modals.size(), 1u);
    EXPECT_TRUE(modals[0].starts_with(u"attention ")) << "the contact is an attention dialog";
    EXPECT_NE(modals[0].find(u"support"), std::u16string::npos);
}

TEST_F(ProgramRun, TheBatteryGaugeAndTextFollowTheMouseEachSecond) {
    auto* gauge = dynamic_cast<CBattery*>(main->FindControl(3406));
    ASSERT_NE(gauge, nullptr);
    const CControlBase* text = main->FindControl(3405);
    ASSERT_TRUE(mouse.SetBattery(37));
    ASSERT_TRUE(PumpUntil([&] {
        platform.AdvanceMs(1000);
        return gauge->GetLevel() == 37;
    }));
    EXPECT_EQ(gauge->GetMode(), CBattery::Normal);
    EXPECT_EQ(text->GetText(), u"37%");
    EXPECT_TRUE(text->IsShown());

    ASSERT_TRUE(mouse.SetCharge(1));
    ASSERT_TRUE(PumpUntil([&] {
        platform.AdvanceMs(1000);
        return gauge->GetMode() == CBattery::Charging;
    }));
    EXPECT_FALSE(text->IsShown()) << "no percentage while charging";
    const int step = gauge->ChargingLevel();
    platform.AdvanceMs(1000);
    EXPECT_EQ(gauge->ChargingLevel(), step == 100 ? 25 : step + 25) << "the animation advances";

    ASSERT_TRUE(mouse.SetCharge(2));
    ASSERT_TRUE(PumpUntil([&] {
        platform.AdvanceMs(1000);
        return gauge->GetMode() == CBattery::Full;
    }));
    EXPECT_EQ(gauge->GetLevel(), 100);
    EXPECT_TRUE(text->IsShown());
}

TEST_F(ProgramRun, TheCableIconShowsWhileTheMouseIsPluggedIn) {
    EXPECT_TRUE(main->FindControl(3409)->IsShown());
    EXPECT_FALSE(main->FindControl(3410)->IsShown());
    ASSERT_TRUE(mouse.Unplug(MouseConnection::Cable));
    ASSERT_TRUE(PumpUntil([&] { return !main->FindControl(3409)->IsShown(); }));
    ASSERT_TRUE(mouse.Plug(MouseConnection::Receiver));
    ASSERT_TRUE(PumpUntil([&] { return main->FindControl(3410)->IsShown(); }));
}

TEST_F(ProgramRun, TheMacroManagerButtonReadsTheLibraryAgainAndResendsMacroButtons) {
    mouse.ClearFrames();
    ClickControl(2062);
    EXPECT_TRUE(SentCommands().empty()) << "no key holds a macro";
    EXPECT_TRUE(modals.empty());

    // The library file changed behind the window, and key 9 holds its macro.
    MacroLibraryTree edited;
    MacroRecord* macro =
        edited.ItemAt(edited.AddMacro(MacroLocation::None(), u"Reload"))->macro.get();
    macro->InsertAction(0, MacroAction::Key(0x41, false));
    macro->InsertAction(1, MacroAction::Key(0x41, true));
    macro->SetActionCount(2);
    macro->MacroCommandActionNum = 2;
    ASSERT_TRUE(
        SaveLibraryFile(edited, LibraryFilePath(model.folders.data), MacroLocation::None()));
    KeyAssignment& key = model.CurrentProfile().Keys[9];
    key.Value = kMacroCode;
    key.MacroKeyIndex = macro->MacroKeyIndex;
    key.AssignMacro(macro);

    ClickControl(2062);
    EXPECT_NE(model.library.MacroById(macro->MacroKeyIndex), nullptr);
    const auto sent = SentCommands();
    EXPECT_NE(std::find(sent.begin(), sent.end(), "SetButtonTable"), sent.end());
    EXPECT_NE(std::find(sent.begin(), sent.end(), "MacroBegin"), sent.end());
    EXPECT_EQ(modals, std::vector<std::u16string>{u"progress"});
}

TEST_F(ProgramRun, TheMacroItemRefusesASixteenthMacro) {
    MacroLibraryTree& library = model.library;
    for (int k = 0; k < 15; ++k) {
        MacroRecord* macro =
            library.ItemAt(library.AddMacro(MacroLocation::None(), u"M" + TextFormat::Dec(k)))
                ->macro.get();
        KeyAssignment& key = model.CurrentProfile().Keys[size_t(k + 1)];
        key.Value = kMacroCode;
        key.MacroKeyIndex = macro->MacroKeyIndex;
        key.AssignMacro(macro);
    }
    ClickControl(2013); // key 0, the left button, holds no macro
    const WindowId menu = platform.Windows().back();
    ASSERT_EQ(platform.Kind(menu), WindowKind::PopupList);
    const Point macroRow{80, 1 + 8 * 22 + 11};
    platform.MouseMove(menu, macroRow);
    platform.Click(menu, macroRow);
    EXPECT_EQ(modals, std::vector<std::u16string>{Attention(kTooManyMacrosTextNumber)});
    EXPECT_FALSE(platform.IsWindow(menu)) << "the menu closed";
    EXPECT_EQ(model.CurrentProfile().Keys[0].Value, kLeftButtonCode);
}

TEST_F(ProgramRun, DialogItemsCloseTheMenuAndKeepTheFunction) {
    const ButtonFunction before = model.CurrentProfile().Keys[2].Value;
    for (int row : {7, 9, 10, 16}) {
        ClickControl(2015);
        const WindowId menu = platform.Windows().back();
        ASSERT_EQ(platform.Kind(menu), WindowKind::PopupList);
        const Point at{80, 1 + (row - 1) * 22 + 11};
        platform.MouseMove(menu, at);
        platform.Click(menu, at);
        EXPECT_FALSE(platform.IsWindow(menu)) << "row " << row;
        EXPECT_EQ(model.CurrentProfile().Keys[2].Value, before) << "row " << row;
    }
    EXPECT_TRUE(modals.empty());
}

TEST_F(ProgramRun, AProfileChosenOnTheMouseIsShownThenSentAfterTheDisplayCloses) {
    const unsigned next = (model.settings->GetCurrentProfile() + 1) % 5;
    model.profiles[next].Keys[2].Name = u"Next profile's key";
    model.profiles[next].Keys[2].Value = ButtonFunction{{0x10, 0x04, 0x00}};
    mouse.ClearFrames();
    ASSERT_TRUE(mouse.SetProfile(int(next)));
    ASSERT_TRUE(PumpUntil([&] { return main->Shell().Osd().IsShown(); }));
    const auto* key = dynamic_cast<const CComboButton*>(main->FindControl(2015));
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->ValueText(), u"Next profile's key") << "the pages show the new profile";
    EXPECT_TRUE(SentCommands().empty()) << "nothing while the display is up";

    platform.AdvanceMs(6 * 300 + 20);
    EXPECT_FALSE(main->Shell().Osd().IsShown());
    const auto sent = SentCommands();
    EXPECT_NE(std::find(sent.begin(), sent.end(), "SetButtonTable"), sent.end());
    EXPECT_EQ(mouse.Firmware().buttons[2], (std::array<uint8_t, 3>{0x10, 0x04, 0x00}));
    EXPECT_EQ(modals, std::vector<std::u16string>{u"progress"});
}

TEST_F(ProgramRun, TheTitleButtonsHideTheWindowAndASecondStartBringsItBack) {
    for (int button : {2001, 2002}) {
        ASSERT_TRUE(platform.IsVisible(main->Window()));
        ClickControl(button);
        EXPECT_FALSE(platform.IsVisible(main->Window())) << button;
        EXPECT_TRUE(platform.IsWindow(main->Window())) << "the program keeps running";
        platform.Send(main->Window(), 2999, 0, 0);
    }
    EXPECT_TRUE(platform.IsVisible(main->Window()));
}
