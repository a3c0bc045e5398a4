#pragma once

#include "platform/bandedform.h"
#include "platform/html/htmlview.h"
#include "platform/stringlist.h"
#include "platform/treeview.h"

#include <QImage>
#include <QList>

#include <functional>

// The course menu: the lesson tree, the selected lesson's description and
// the five buttons Introduction, Run lesson, Help, About and Exit. Its first
// show runs the start-up routine, which loads the whole course.
class TMainFrm : public platform::BandedForm {
    Q_OBJECT
public:
    TMainFrm();
    ~TMainFrm() override;

    QFrame* Splitter1;
    platform::TreeView* TreeView1;
    platform::HtmlView* CppWebBrowser1;
    // Image 0: a red square (the selected node); image 1: a light grey one.
    QList<QImage> ImageList1;

    QString courseRoot;
    QString courseRootSlash;
    platform::StringList soundNames;
    platform::StringList lessonNames;
    platform::StringList lessonKinds;
    platform::StringList descrNames;
    platform::StringList windowTitles;
    platform::StringList textNames;
    platform::StringList transNames;
    platform::StringList marksNames;
    platform::StringList timeLimits;
    platform::StringList windList;

    // The launcher behind Run lesson and the tree's double click; the
    // program entry connects it.
    std::function<void()> runSelectedLesson;

    // The lesson index of the selected node; -1 when none is selected.
    int selectedLessonIndex() const;

    void TreeView1Click();
    void TreeView1DblClick();
    void TreeView1MouseMove();
    void TreeView1MouseUp();
    void m1Click();
    void m22Click();
    void m3Click();
    void m4Click();
    void m5Click();

    // The start-up routine.
    void FormShow() override;

private:
    // A page of data\descr\ by its catalogue name.
    QString descrPath(const QString& name) const;
    void showPage(int captionLine, int pageLine, int flagLine);
    bool m_started = false;
};

extern TMainFrm* MainFrm;
