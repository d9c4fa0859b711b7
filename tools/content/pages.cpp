#include "pages.h"

namespace velmora::content {
namespace {

using D = Decoration;

Widget button(const std::string& node, Rect r, const std::string& picture) {
    return {node, r, picture + ".gif", picture + "_on.gif"};
}
Widget picture(const std::string& node, Rect r, const std::string& file) {
    return {node, r, file};
}
Widget text(const std::string& node, Rect r, const std::string& sample, TextFont font, bool centred = false) {
    return {node, r, "", "", sample, font, centred};
}

Page cover() {
    Page p{"cover", "cover.properties", {0, 0, 240, 320}, "bkgCover.jpg"};
    p.scenerySeed = 11;
    p.decorations = {{D::Logo, {10, 14, 220, 70}}, {D::Golfer, {56, 118, 128, 190}}};
    p.widgets = {picture("press0", {40, 286, 160, 24}, "tapToStart.gif"),
                 {"btnEnterIntro", {0, 0, 240, 320}}};
    return p;
}

Page intro() {
    Page p{"intro", "intro.properties", {0, 0, 240, 320}, "bkgMenu.jpg"};
    p.scenerySeed = 12;
    p.decorations = {{D::Logo, {30, 1, 180, 36}}, {D::Frame, {40, 40, 160, 120}}};
    p.widgets = {
        // The two slides are Group2D quads (scale 0.5) of a Scene2D at (0, 40, 240, 280): the program
        // centres them 80 units above that scene's centre, which is the middle of the frame.
        picture("slide1", {40, 40, 160, 120}, "slideBlank.jpg"),
        button("btnEnterPlayerMenu", {40, 170, 160, 30}, "btnPlay"),
        button("cmdLoadGame", {40, 206, 160, 24}, "btnLoadGame"),
        button("cmdGSetting", {40, 234, 160, 24}, "btnSettings"),
        button("cmdManual", {40, 262, 160, 24}, "btnManual"),
        button("cmdQuitGame", {40, 290, 160, 24}, "btnQuit"),
    };
    return p;
}

Page playerMenu() {
    Page p{"playerMenu", "playerMenu.properties", {0, 0, 240, 320}, "bkgPlayers.jpg"};
    p.scenerySeed = 13;
    p.decorations = {{D::Ribbon, {30, 4, 180, 26}, "PLAYERS"}};
    const char* names[] = {"Rex", "", "Mia", ""};
    for (int i = 0; i < 4; ++i) {
        const int y = 38 + i * 58;
        const std::string n = std::to_string(i);
        p.decorations.push_back({D::CreamPanel, {6, y, 228, 54}});
        p.decorations.push_back({D::Caption, {110, y + 2, 118, 10}, "PLAYER " + std::to_string(i + 1)});
        p.widgets.push_back(button("arrowD" + n, {10, y + 15, 24, 24}, "arrowLeft"));
        p.widgets.push_back(picture("Player" + n, {36, y + 7, 40, 40},
                                    i == 0   ? "character1.gif"
                                    : i == 2 ? "character2.gif"
                                             : "character0.gif"));
        p.widgets.push_back(button("arrowU" + n, {78, y + 15, 24, 24}, "arrowRight"));
        Widget name = button("playerName" + n, {108, y + 14, 120, 28}, "editName");
        name.sample = names[i];
        name.font = TextFont::Body;
        name.textOffsetX = 6;
        name.textOffsetY = 6;
        name.hiddenInMockup = names[i][0] == 0; // the program hides the name of an empty slot
        p.widgets.push_back(name);
    }
    p.widgets.push_back(button("btnEnterIntro", {10, 280, 100, 30}, "btnBack"));
    p.widgets.push_back(button("btnEnterCourseMenu", {130, 280, 100, 30}, "btnNext"));
    return p;
}

void scoreRows(Page& p, int top) {
    const char* names[] = {"Mia", "Rex", "----------", "----------", "----------"};
    const char* values[] = {"-2", "+5", "---", "---", "---"};
    p.decorations.push_back({D::CreamPanel, {16, top, 208, 90}, "BEST SCORES"});
    p.decorations.push_back({D::Rows, {22, top + 16, 196, 70}, "", 5});
    for (int i = 0; i < 5; ++i) {
        const std::string n = std::to_string(i);
        p.widgets.push_back(
            text("ScoreName" + n, {28, top + 16 + i * 14, 130, 14}, names[i], TextFont::Small));
        p.widgets.push_back(
            text("ScoreValue" + n, {168, top + 16 + i * 14, 44, 14}, values[i], TextFont::Small));
    }
}

Page courseMenu() {
    Page p{"courseMenu", "courseMenu.properties", {0, 0, 240, 320}, "bkgCourses.jpg"};
    p.scenerySeed = 14;
    p.decorations = {{D::Ribbon, {30, 4, 180, 26}, "COURSE"},
                     {D::Frame, {40, 38, 160, 120}},
                     {D::Plate, {24, 162, 192, 22}}};
    p.widgets = {picture("sptCoursePreview", {40, 38, 160, 120}, "slideBlank.jpg"),
                 button("CourseArrL", {10, 86, 24, 24}, "arrowLeft"),
                 button("CourseArrR", {206, 86, 24, 24}, "arrowRight"),
                 text("sptCourseName", {24, 166, 192, 16}, "GREEN VALLEY", TextFont::Label, true)};
    scoreRows(p, 188);
    p.widgets.push_back(button("btnEnterPlayerMenu", {10, 284, 100, 30}, "btnBack"));
    p.widgets.push_back(button("btnStartGame", {130, 284, 100, 30}, "btnTeeOff"));
    return p;
}

Page loadGame() {
    Page p{"loadGame", "loadGame.properties", {0, 0, 240, 320}, "bkgLoad.jpg"};
    p.scenerySeed = 15;
    // A dark panel: the program colours the slot names light ((255;150;100) and (220;150;180)).
    p.decorations = {{D::Ribbon, {30, 4, 180, 26}, "LOAD GAME"},
                     {D::DarkPanel, {6, 38, 228, 236}},
                     {D::Rows, {12, 44, 216, 224}, "", 8}};
    for (int k = 0; k < 8; ++k) {
        const std::string n = std::to_string(k);
        p.widgets.push_back(button("chkGolfBall" + n, {14, 46 + k * 28, 20, 20}, "chkBall"));
        p.widgets.push_back(text("txtLoadSlot" + n, {40, 48 + k * 28, 188, 16},
                                 k == 0 ? "Sunday round" : "<EMPTY SLOT>", TextFont::System));
    }
    p.widgets.push_back(button("btnLoadBack", {10, 282, 100, 30}, "btnBack"));
    p.widgets.push_back(button("btnLoadGame", {130, 282, 100, 30}, "btnLoad"));
    return p;
}

Page settings() {
    Page p{"gsetting", "gsetting.properties", {0, 0, 240, 320}, "bkgSettings.jpg"};
    p.scenerySeed = 16;
    p.decorations = {{D::Ribbon, {30, 4, 180, 26}, "SETTINGS"},
                     {D::CreamPanel, {8, 38, 224, 52}, "SOUND EFFECTS"},
                     {D::CreamPanel, {8, 96, 224, 52}, "MULLIGANS"},
                     {D::CreamPanel, {8, 154, 224, 52}, "WIND"},
                     {D::CreamPanel, {8, 212, 224, 52}, "DISPLAY"}};
    p.widgets = {button("rdoSoundOn", {24, 62, 70, 20}, "optOn"),
                 button("rdoSoundOff", {128, 62, 70, 20}, "optOff"),
                 button("chkMulliganOff", {24, 120, 70, 20}, "optOff"),
                 button("chkMulliganOn", {128, 120, 70, 20}, "optOn"),
                 button("chkWindNone", {16, 178, 66, 20}, "optNone"),
                 button("chkWindLight", {86, 178, 70, 20}, "optLight"),
                 button("chkWindStrong", {158, 178, 72, 20}, "optStrong"),
                 button("chkGAPIVideo", {24, 236, 140, 20}, "optDirectVideo"),
                 button("btnEnterIntro", {70, 282, 100, 30}, "btnBack")};
    return p;
}

Page goodbye() {
    Page p{"back", "back.properties", {0, 0, 240, 320}, "bkgGoodbye.jpg"};
    p.scenerySeed = 17;
    p.sunset = true;
    // rectPrompt is a Group2D in a Scene2D at (56, 42, 128, 196), scale 0.5: the credits scroll inside.
    p.decorations = {{D::Ribbon, {30, 4, 180, 26}, "SEE YOU SOON!"}, {D::Frame, {56, 42, 128, 196}}};
    p.widgets = {picture("rectPrompt", {56, 42, 128, 196}, "credits.gif"),
                 picture("press0", {40, 246, 160, 24}, "thanks.gif"),
                 button("cmdExit", {70, 282, 100, 30}, "btnExit")};
    return p;
}

Page results() {
    Page p{"congratulations", "congratulations.properties", {0, 0, 240, 320}, "bkgResults.jpg"};
    p.scenerySeed = 18;
    p.decorations = {{D::Ribbon, {30, 4, 180, 26}, "RESULTS"},
                     {D::CreamPanel, {8, 56, 224, 94}, ""},
                     {D::Caption, {16, 60, 24, 10}, "POS"},
                     {D::Caption, {40, 60, 80, 10}, "PLAYER"},
                     {D::Caption, {180, 60, 44, 10}, "SCORE"},
                     {D::Rows, {14, 74, 212, 72}, "", 4},
                     {D::Plate, {8, 154, 224, 22}},
                     {D::Caption, {14, 160, 60, 10}, "COURSE"},
                     {D::Trophy, {196, 26, 36, 36}}};
    p.widgets = {text("txtCongratulations", {8, 36, 186, 18}, "Congratulations, Mia!", TextFont::System)};
    const char* players[] = {"Mia", "Rex", "Kai", "Gus"};
    const char* scores[] = {"-2", "E", "+3", "+7"};
    for (int i = 0; i < 4; ++i) {
        const std::string n = std::to_string(i);
        p.widgets.push_back(
            text("txtPos" + n, {16, 76 + i * 18, 20, 16}, std::to_string(i + 1), TextFont::Body));
        p.widgets.push_back(text("txtPlayer" + n, {40, 76 + i * 18, 130, 16}, players[i], TextFont::Body));
        p.widgets.push_back(text("txtScore" + n, {180, 76 + i * 18, 44, 16}, scores[i], TextFont::Body));
    }
    p.widgets.push_back(
        text("txtCongratulationsCourseNameValue", {70, 158, 156, 16}, "GREEN VALLEY", TextFont::Small));
    scoreRows(p, 182);
    p.widgets.push_back(button("btnCongratulationsOK", {70, 282, 100, 30}, "btnOK"));
    return p;
}

Page messageBox() {
    Page p{"messagebox", "messagebox.properties", {20, 60, 200, 200}, "msgBox.gif"};
    p.widgets = {picture("sptBoxBkgTexture", {20, 12, 160, 120}, "dropInHole.jpg"),
                 picture("sptArmL", {4, 4, 24, 24}, "msgArmL.gif"),
                 picture("sptArmR", {172, 4, 24, 24}, "msgArmR.gif"),
                 text("sptMessage", {10, 138, 180, 34}, "Birdie!", TextFont::System, true),
                 button("btnOK", {70, 174, 60, 22}, "btnMsgOK"),
                 button("btnYes", {34, 174, 60, 22}, "btnMsgYes"),
                 button("btnNo", {106, 174, 60, 22}, "btnMsgNo")};
    // Only sliding messages show the arms, and a message has either OK or Yes and No.
    p.widgets[1].hiddenInMockup = p.widgets[2].hiddenInMockup = true;
    p.widgets[5].hiddenInMockup = p.widgets[6].hiddenInMockup = true;
    return p;
}

Page game() {
    Page p{"game", "GameCanvas.properties", {0, 0, 240, 320}, ""};
    p.scenerySeed = 19;
    p.widgets = {
        // sceneGUI
        picture("sptTopPanel", {0, 0, 240, 44}, "hudTop.gif"),
        picture("iconPlayer", {3, 2, 40, 40}, "character1.gif"),
        text("txtPlayerName", {48, 6, 98, 14}, "REX", TextFont::Label),
        text("txtStrokeNum", {48, 24, 98, 14}, "STROKE:2", TextFont::Label),
        picture("sptInfoPlate", {2, 46, 100, 32}, "hudInfo.gif"),
        {"sptWindInfo", {2, 80, 64, 16}, "windBadge.gif", "", "3 MPH", TextFont::Label, false, 20, 1},
        picture("sptStatusStrip", {0, 262, 240, 28}, "hudStrip.gif"),
        picture("sptBottomPanel", {0, 290, 240, 30}, "hudBottom.gif"),
        picture("gaugeRuler", {4, 292, 136, 26}, "gaugeRuler.gif"),
        picture("gaugePower", {12, 299, 80, 12}, "gaugePower.bmp"),
        // sceneStatusBar (the later scene: the heads-up buttons live here)
        text("txtDistance", {20, 48, 80, 14}, "123.4YDS", TextFont::Label),
        text("txtElevation", {20, 62, 80, 14}, "-4FT", TextFont::Label),
        {"btnClubMenu", {52, 263, 72, 26}, "", "chipClub_on.gif"},
        {"btnStrokeMenu", {126, 263, 74, 26}, "", "chipStroke_on.gif"},
        picture("iconLie", {5, 266, 20, 20}, "iconFairway.gif"),
        text("txtLie", {27, 269, 22, 14}, "F", TextFont::Label),
        picture("iconClub", {55, 266, 20, 20}, "iconIron.gif"),
        text("txtClubType", {77, 269, 46, 14}, "IRON", TextFont::Label),
        text("txtStrokeType", {146, 269, 52, 14}, "FULL", TextFont::Label),
        button("btnSysMenu", {204, 263, 32, 26}, "btnMenu"),
    };
    return p;
}

Page sysMenu() {
    Page p{"sysMenu", "GameCanvas.properties", {116, 66, 120, 194}, "panelSys.gif"};
    const std::pair<const char*, const char*> items[] = {
        {"btnOpenScoreCard", "menuScorecard"}, {"btnAutoAim", "menuAutoAim"},
        {"btnCheckTarget", "menuViewHole"},    {"btnMulligan", "menuMulligan"},
        {"btnSaveGame", "menuSaveGame"},       {"btnHelp", "menuHelp"},
        {"btnExitGame", "menuQuit"},           {"btnScorecard", "menuClose"}};
    for (int i = 0; i < 8; ++i)
        p.widgets.push_back(button(items[i].first, {6, 6 + i * 23, 108, 21}, items[i].second));
    return p;
}

Page clubMenu() {
    Page p{"clubMenu", "GameCanvas.properties", {50, 150, 110, 108}, "panelClub.gif"};
    const char* clubs[] = {"Wood", "Iron", "Wedge", "Putter"};
    for (int i = 0; i < 4; ++i)
        p.widgets.push_back(button(std::string("btnClub") + clubs[i], {5, 5 + i * 25, 100, 23},
                                   std::string("club") + clubs[i]));
    return p;
}

Page strokeMenu() {
    Page p{"strokeMenu", "GameCanvas.properties", {124, 124, 100, 134}, "panelStroke.gif"};
    const char* strokes[] = {"Full", "Punch", "Flop", "Chip", "Putt"};
    for (int i = 0; i < 5; ++i)
        p.widgets.push_back(button(std::string("btnStroke") + strokes[i], {5, 5 + i * 25, 90, 23},
                                   std::string("stroke") + strokes[i]));
    return p;
}

Page scorecard() {
    Page p{"scorecard", "GameCanvas.properties", {8, 28, 224, 268}, "scorecard.gif"};
    p.widgets = {text("txtScoreCardCourseName", {10, 28, 204, 14}, "COURSE: GREEN VALLEY", TextFont::Small),
                 text("txtScoreCardPlayerName", {10, 42, 204, 14}, "PLAYER: REX", TextFont::Small)};
    const char* pars[] = {"4", "3", "5", "4", "4", "3", "4", "5", "4"};
    const char* strokes[] = {"5", "3", "5", "4", "", "", "", "", ""};
    const char* status[] = {"+1", "E", "E", "E", "", "", "", "", ""};
    for (int i = 0; i < 9; ++i) {
        const std::string n = std::to_string(i);
        const int y = 75 + i * 16;
        p.widgets.push_back(text("txtPar" + n, {70, y, 30, 14}, pars[i], TextFont::Small, true));
        p.widgets.push_back(text("txtStrokes" + n, {118, y, 40, 14}, strokes[i], TextFont::Small, true));
        p.widgets.push_back(text("txtStatus" + n, {170, y, 40, 14}, status[i], TextFont::Small, true));
    }
    p.widgets.push_back(text("txtTotalPar", {70, 221, 30, 14}, "16", TextFont::Small, true));
    p.widgets.push_back(text("txtTotalStrokes", {118, 221, 40, 14}, "17", TextFont::Small, true));
    p.widgets.push_back(text("txtTotalStatus", {170, 221, 40, 14}, "+1", TextFont::Small, true));
    p.widgets.push_back(button("btnPreviousCard", {8, 240, 24, 24}, "arrowLeft"));
    p.widgets.push_back(button("btnCloseScoreCard", {62, 240, 100, 24}, "btnCardClose"));
    p.widgets.push_back(button("btnNextCard", {192, 240, 24, 24}, "arrowRight"));
    return p;
}

Page saveGame() {
    Page p{"saveGame", "GameCanvas.properties", {8, 28, 224, 256}, "savePanel.gif"};
    for (int k = 0; k < 8; ++k) {
        const std::string n = std::to_string(k);
        p.widgets.push_back(text("txtSlot" + n, {16, 33 + k * 24, 150, 16},
                                 k == 0 ? "Sunday round" : "<EMPTY SLOT>", TextFont::System));
        p.widgets.push_back(button("btnSaveSlot" + n, {176, 30 + k * 24, 36, 20}, "btnSaveSlot"));
    }
    p.widgets.push_back(button("btnSaveOK", {62, 226, 100, 24}, "btnSaveDone"));
    return p;
}

const char* fontName(TextFont font) {
    switch (font) {
    case TextFont::None:
        return "";
    case TextFont::Title:
        return "fontTitle, textSize 24";
    case TextFont::Label:
        return "fontLabel, textSize 14";
    case TextFont::Body:
        return "fontBody, textSize 16";
    case TextFont::Small:
        return "fontSmall, textSize 12";
    case TextFont::System:
        return "system font";
    }
    return "";
}

} // namespace

std::string layoutTables() {
    std::string out;
    for (const Page& page : pages()) {
        const Rect& s = page.scene;
        out += "#### " + page.name + " (" + page.templateFile + "): scene (" + std::to_string(s.x) + ", " +
               std::to_string(s.y) + ", " + std::to_string(s.w) + ", " + std::to_string(s.h) + ")" +
               (page.background.empty() ? "" : ", background " + page.background) + "\n\n";
        out += "| Node | x, y, width, height | Picture | Pressed / ticked | Text |\n|---|---|---|---|---|\n";
        for (const Widget& w : page.widgets) {
            std::string text = fontName(w.font);
            if (w.textOffsetX || w.textOffsetY)
                text += ", offset " + std::to_string(w.textOffsetX) + ", " + std::to_string(w.textOffsetY);
            if (w.centred)
                text += ", CENTER";
            out += "| " + w.node + " | " + std::to_string(w.rect.x) + ", " + std::to_string(w.rect.y) + ", " +
                   std::to_string(w.rect.w) + ", " + std::to_string(w.rect.h) + " | " + w.picture + " | " +
                   w.bright + " | " + text + " |\n";
        }
        out += "\n";
    }
    return out;
}

const std::vector<Page>& pages() {
    static const std::vector<Page> all = {cover(),    intro(),    playerMenu(), courseMenu(), loadGame(),
                                          settings(), goodbye(),  results(),    messageBox(), game(),
                                          sysMenu(),  clubMenu(), strokeMenu(), scorecard(),  saveGame()};
    return all;
}

} // namespace velmora::content
