#include "interfacestrings.h"

#include "Main.h"
#include "choicetest/Multi.h"
#include "launcher/View.h"
#include "player/Viewtxt.h"
#include "platform/profile.h"
#include "sorting/Sortfrm.h"
#include "workshop/Worktxt.h"

void applyInterfaceStrings(const QString& stringsPath)
{
    const platform::ProfileFile strings = platform::ProfileFile::load(stringsPath);
    struct Key {
        platform::Picture* button;
        const char16_t* section;
        const char16_t* key;
    };
    const Key keys[] = {
        {MainFrm->m11, u"Main", u"MAIN_INTRO"},
        {MainFrm->m22, u"Main", u"MAIN_EXEC"},
        {MainFrm->m33, u"Main", u"MAIN_HELP"},
        {MainFrm->m44, u"Main", u"MAIN_ABOUT"},
        {MainFrm->m55, u"Main", u"MAIN_EXIT"},
        {ViewFrm->m11, u"View", u"VIEW_BUTTON"},
        {frmSort->m11, u"Sort", u"SORT_RUN"},
        {frmSort->m22, u"Sort", u"SORT_PAUSE"},
        {frmSort->m33, u"Sort", u"SORT_STOP"},
        {frmSort->m55, u"Sort", u"SORT_EXIT"},
        {frmSort->m44, u"Sort", u"SORT_HELP"},
        {MultiFrm->m11, u"Multi", u"MULTI_RUN"},
        {MultiFrm->m22, u"Multi", u"MULTI_PAUSE"},
        {MultiFrm->m33, u"Multi", u"MULTI_STOP"},
        {MultiFrm->m55, u"Multi", u"MULTI_EXIT"},
        {MultiFrm->m44, u"Multi", u"MULTI_HELP"},
        {ViewTxtFrm->m11, u"ViewTxt", u"VIEWTXT_RUN"},
        {ViewTxtFrm->m22, u"ViewTxt", u"VIEWTXT_PAUSE"},
        {ViewTxtFrm->m33, u"ViewTxt", u"VIEWTXT_STOP"},
        {ViewTxtFrm->m55, u"ViewTxt", u"VIEWTXT_EXIT"},
        {ViewTxtFrm->m44, u"ViewTxt", u"VIEWTXT_HELP"},
        {WorkTxtFrm->m11, u"WorkTxt", u"WORKTXT_RUN"},
        {WorkTxtFrm->m22, u"WorkTxt", u"WORKTXT_PAUSE"},
        {WorkTxtFrm->m33, u"WorkTxt", u"WORKTXT_STOP"},
        {WorkTxtFrm->m55, u"WorkTxt", u"WORKTXT_EXIT"},
        {WorkTxtFrm->m44, u"WorkTxt", u"WORKTXT_HELP"},
    };
    for (const Key& key : keys)
        key.button->setHint(strings.readString(QString::fromUtf16(key.section), QString::fromUtf16(key.key)));
}
