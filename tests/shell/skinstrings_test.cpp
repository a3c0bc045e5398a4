// Each interface string and each skin picture lands on its own target: a
// swapped row would leave every button with a hint and every picture filled.
#include "startupfixture.h"

#include "choicetest/Multi.h"
#include "launcher/View.h"
#include "platform/jpeg.h"
#include "player/Viewtxt.h"
#include "sorting/Sortfrm.h"
#include "workshop/Worktxt.h"

#include <QDir>

class SkinAndStrings : public CourseFixture {};

TEST_F(SkinAndStrings, EachStringsKeyGivesItsOwnButtonsHint)
{
    // Every value names its own key, so no two buttons can share one.
    struct Window {
        const char* section;
        QStringList keys; // the hints of m11, m22, ... in button order
    };
    const Window windowKeys[] = {
        {"Main", {"MAIN_INTRO", "MAIN_EXEC", "MAIN_HELP", "MAIN_ABOUT", "MAIN_EXIT"}},
        {"View", {"VIEW_BUTTON"}},
        {"Sort", {"SORT_RUN", "SORT_PAUSE", "SORT_STOP", "SORT_HELP", "SORT_EXIT"}},
        {"Multi", {"MULTI_RUN", "MULTI_PAUSE", "MULTI_STOP", "MULTI_HELP", "MULTI_EXIT"}},
        {"ViewTxt", {"VIEWTXT_RUN", "VIEWTXT_PAUSE", "VIEWTXT_STOP", "VIEWTXT_HELP", "VIEWTXT_EXIT"}},
        {"WorkTxt", {"WORKTXT_RUN", "WORKTXT_PAUSE", "WORKTXT_STOP", "WORKTXT_HELP", "WORKTXT_EXIT"}},
    };
    QStringList ini;
    for (const Window& window : windowKeys) {
        ini.append(QStringLiteral("[%1]").arg(window.section));
        for (const QString& key : window.keys)
            ini.append(key + "=hint " + key);
    }
    course.writeLines("Strings.ini", ini);
    start();
    ASSERT_TRUE(desktop.errors.empty());

    const platform::BandedForm* const windows[] = {MainFrm, ViewFrm, frmSort, MultiFrm, ViewTxtFrm, WorkTxtFrm};
    int keys = 0;
    for (int w = 0; w < 6; ++w) {
        const QList<platform::Picture*>& buttons = windows[w]->buttonPictures();
        ASSERT_EQ(buttons.size(), windowKeys[w].keys.size());
        for (int b = 0; b < buttons.size(); ++b, ++keys)
            EXPECT_EQ(buttons[b]->hint(), "hint " + windowKeys[w].keys[b]) << windowKeys[w].section << " m" << b + 1;
    }
    EXPECT_EQ(keys, 26);
}

TEST_F(SkinAndStrings, EachSkinPictureLandsOnItsTargets)
{
    start();
    ASSERT_TRUE(desktop.errors.empty());
    // One target of each file; the course's pictures all differ.
    const std::pair<const char*, const platform::Picture*> targets[] = {
        {"top2", ViewFrm->Image3},     {"bot2", ViewFrm->Image4},     {"top2", WorkTxtFrm->Image3},
        {"bot3", ViewTxtFrm->Image4},  {"top", MainFrm->Image3},      {"bot", MainFrm->Image4},
        {"left", frmSort->Image1},     {"right", MultiFrm->Image2},   {"m1", MainFrm->m1},
        {"m6", ViewFrm->m1},           {"m7", frmSort->m1},           {"m8", ViewTxtFrm->m2},
        {"m9", MultiFrm->m3},          {"m10", WorkTxtFrm->m4},       {"m11", frmSort->m5},
        {"c1", WorkTxtFrm->c},         {"c2a", WorkTxtFrm->ca},       {"m2", MainFrm->m2},
        {"m3", MainFrm->m3},           {"m4", MainFrm->m4},           {"m5", MainFrm->m5},
    };
    QDir::setCurrent(course.root());
    for (const auto& [file, target] : targets) {
        const QImage decoded = platform::loadJpeg(QStringLiteral("gdata\\%1.jpg").arg(file));
        EXPECT_TRUE(target->picture() == decoded) << file;
    }
}
