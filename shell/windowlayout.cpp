#include "windowlayout.h"

#include "Intro.h"
#include "Main.h"
#include "choicetest/Multi.h"
#include "launcher/View.h"
#include "layoutfile.h"
#include "player/Viewtxt.h"
#include "sorting/Sortfrm.h"
#include "workshop/Worktxt.h"

namespace {

void placeButton(platform::BandedForm* window, int button, const QRect& rect)
{
    window->hoverPictures()[button]->setGeometry(rect);
    window->buttonPictures()[button]->setGeometry(rect);
}

} // namespace

void applyWindowSizes(const LayoutFile& layout)
{
    platform::BandedForm* const windows[] = {MainFrm, ViewFrm, MultiFrm, frmSort, ViewTxtFrm, WorkTxtFrm};
    const int width = layout.value(0) + 6;
    for (platform::BandedForm* window : windows)
        window->setOuterSize(width, layout.value(1));
    // The workshop's left page: half the window, frame included, less 6.
    WorkTxtFrm->CppWebBrowser1->setFixedWidth(width / 2 - 6);
    IntroFrm->setOuterSize(layout.value(50), layout.value(51));
}

void applyButtonRects(const LayoutFile& layout)
{
    for (int button = 0; button < 5; ++button)
        placeButton(MainFrm, button, layout.rect(10 + 4 * button));
    placeButton(ViewFrm, 0, layout.rect(30));

    // The exercise windows share one set of rectangles; the fifth button's
    // lines come after the intro screen's size.
    const int firstLines[] = {34, 38, 42, 46, 52};
    platform::BandedForm* const exerciseWindows[] = {ViewTxtFrm, MultiFrm, frmSort, WorkTxtFrm};
    for (int button = 0; button < 5; ++button) {
        const QRect rect = layout.rect(firstLines[button]);
        for (platform::BandedForm* window : exerciseWindows)
            placeButton(window, button, rect);
    }

    const QRect unit = layout.rect(56);
    WorkTxtFrm->c->setGeometry(unit);
    WorkTxtFrm->ca->setGeometry(unit);
    WorkTxtFrm->caa->setGeometry(unit);
}
