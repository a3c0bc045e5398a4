#include "skin.h"

#include "Main.h"
#include "choicetest/Multi.h"
#include "launcher/View.h"
#include "layoutfile.h"
#include "player/Viewtxt.h"
#include "platform/jpeg.h"
#include "sorting/Sortfrm.h"
#include "workshop/Worktxt.h"

namespace {

void dressBands(platform::BandedForm* window, const QImage& top, const QImage& bottom, const LayoutFile& layout)
{
    window->Image3->setPicture(top);
    window->setTopBandSize(layout.value(3), layout.value(4));
    window->Image4->setPicture(bottom);
    window->setBottomBandSize(layout.value(6), layout.value(7));
}

void copyInto(const QImage& picture, std::initializer_list<platform::Picture*> targets)
{
    for (platform::Picture* target : targets)
        target->setPicture(picture);
}

} // namespace

void applySkin(const LayoutFile& layout)
{
    using platform::loadJpeg;

    const QImage top2 = loadJpeg(QStringLiteral("gdata\\top2.jpg"));
    const QImage bot2 = loadJpeg(QStringLiteral("gdata\\bot2.jpg"));
    dressBands(ViewFrm, top2, bot2, layout);

    const QImage bot3 = loadJpeg(QStringLiteral("gdata\\bot3.jpg"));
    platform::BandedForm* const exerciseWindows[] = {ViewTxtFrm, MultiFrm, frmSort, WorkTxtFrm};
    for (platform::BandedForm* window : exerciseWindows)
        dressBands(window, top2, bot3, layout);

    const QImage top = loadJpeg(QStringLiteral("gdata\\top.jpg"));
    const QImage bot = loadJpeg(QStringLiteral("gdata\\bot.jpg"));
    dressBands(MainFrm, top, bot, layout);

    platform::BandedForm* const sixWindows[] = {MainFrm, ViewFrm, MultiFrm, frmSort, ViewTxtFrm, WorkTxtFrm};
    const QImage left = loadJpeg(QStringLiteral("gdata\\left.jpg"));
    for (platform::BandedForm* window : sixWindows) {
        window->Image1->setPicture(left);
        window->setLeftStripWidth(layout.value(8));
    }
    const QImage right = loadJpeg(QStringLiteral("gdata\\right.jpg"));
    for (platform::BandedForm* window : sixWindows) {
        window->Image2->setPicture(right);
        window->setRightStripWidth(layout.value(9));
    }

    copyInto(loadJpeg(QStringLiteral("gdata\\m1.jpg")), {MainFrm->m1});
    copyInto(loadJpeg(QStringLiteral("gdata\\m6.jpg")), {ViewFrm->m1});
    copyInto(loadJpeg(QStringLiteral("gdata\\m7.jpg")), {MultiFrm->m1, frmSort->m1, ViewTxtFrm->m1, WorkTxtFrm->m1});
    copyInto(loadJpeg(QStringLiteral("gdata\\m8.jpg")), {MultiFrm->m2, frmSort->m2, ViewTxtFrm->m2, WorkTxtFrm->m2});
    copyInto(loadJpeg(QStringLiteral("gdata\\m9.jpg")), {frmSort->m3, MultiFrm->m3, ViewTxtFrm->m3, WorkTxtFrm->m3});
    copyInto(loadJpeg(QStringLiteral("gdata\\m10.jpg")), {MultiFrm->m4, frmSort->m4, ViewTxtFrm->m4, WorkTxtFrm->m4});
    copyInto(loadJpeg(QStringLiteral("gdata\\m11.jpg")), {frmSort->m5, MultiFrm->m5, ViewTxtFrm->m5, WorkTxtFrm->m5});
    copyInto(loadJpeg(QStringLiteral("gdata\\c1.jpg")), {WorkTxtFrm->c});
    copyInto(loadJpeg(QStringLiteral("gdata\\c2a.jpg")), {WorkTxtFrm->ca});
    copyInto(loadJpeg(QStringLiteral("gdata\\m2.jpg")), {MainFrm->m2});
    copyInto(loadJpeg(QStringLiteral("gdata\\m3.jpg")), {MainFrm->m3});
    copyInto(loadJpeg(QStringLiteral("gdata\\m4.jpg")), {MainFrm->m4});
    copyInto(loadJpeg(QStringLiteral("gdata\\m5.jpg")), {MainFrm->m5});
}
