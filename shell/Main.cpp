#include "Main.h"

#include "launcher/View.h"
#include "platform/convert.h"
#include "platform/desktop.h"

#include <QDir>
#include <QHBoxLayout>

TMainFrm* MainFrm = nullptr;

namespace {

QImage square(QColor colour)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

TMainFrm::TMainFrm()
    : BandedForm(ButtonBand::Top, 5)
{
    setObjectName(QStringLiteral("MainFrm"));
    Splitter1 = new QFrame(centre());
    Splitter1->hide();
    TreeView1 = new platform::TreeView(centre());
    TreeView1->setFixedWidth(430);
    TreeView1->setFrameShape(QFrame::NoFrame);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    TreeView1->setFont(font);
    TreeView1->setIndentation(29);
    ImageList1 = {square(Qt::red), square(QColor(0xD3, 0xD3, 0xD3))};
    TreeView1->setImages(ImageList1);
    CppWebBrowser1 = new platform::HtmlView(centre());
    auto* layout = new QHBoxLayout(centre());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(TreeView1);
    layout->addWidget(CppWebBrowser1, 1);

    setButtonHints({"Introduction", "Run lesson", "Help", "About", "Exit"});
    setSize(976, 634);

    courseRoot = QDir::currentPath();

    connect(TreeView1, &platform::TreeView::clicked, this, &TMainFrm::TreeView1Click);
    connect(TreeView1, &platform::TreeView::doubleClicked, this, &TMainFrm::TreeView1DblClick);
    connect(TreeView1, &platform::TreeView::mouseMoved, this, &TMainFrm::TreeView1MouseMove);
    connect(TreeView1, &platform::TreeView::mouseUp, this, &TMainFrm::TreeView1MouseUp);
    connect(m11, &platform::Picture::clicked, this, &TMainFrm::m1Click);
    connect(m1, &platform::Picture::clicked, this, &TMainFrm::m1Click);
    connect(m22, &platform::Picture::clicked, this, &TMainFrm::m22Click);
    connect(m33, &platform::Picture::clicked, this, &TMainFrm::m3Click);
    connect(m3, &platform::Picture::clicked, this, &TMainFrm::m3Click);
    connect(m44, &platform::Picture::clicked, this, &TMainFrm::m4Click);
    connect(m4, &platform::Picture::clicked, this, &TMainFrm::m4Click);
    connect(m55, &platform::Picture::clicked, this, &TMainFrm::m5Click);
    connect(m5, &platform::Picture::clicked, this, &TMainFrm::m5Click);
    const QList<platform::Picture*>& buttons = buttonPictures();
    for (int i = 0; i < buttons.size(); ++i)
        connect(buttons[i], &platform::Picture::mouseMoved, this, [this, i] { hoverButton(i); });
    connect(Image3, &platform::Picture::mouseMoved, this, &platform::BandedForm::hideHoverPictures);
}

TMainFrm::~TMainFrm() = default;

int TMainFrm::selectedLessonIndex() const
{
    const QTreeWidgetItem* node = TreeView1->selectedNode();
    return node ? platform::TreeView::absoluteIndex(node) : -1;
}

void TMainFrm::TreeView1Click()
{
    const int index = selectedLessonIndex();
    if (index < 0)
        return;
    QDir::setCurrent(courseRoot);
    CppWebBrowser1->Navigate(descrPath(descrNames.at(index)));
}

void TMainFrm::TreeView1DblClick()
{
    if (runSelectedLesson)
        runSelectedLesson();
}

void TMainFrm::TreeView1MouseMove()
{
    TreeView1->setFocus();
}

void TMainFrm::TreeView1MouseUp()
{
    if (QTreeWidgetItem* node = TreeView1->selectedNode())
        TreeView1->setNormalImage(node, 1);
}

void TMainFrm::m1Click()
{
    m1->hide();
    showPage(3, 4, 5);
}

void TMainFrm::m22Click()
{
    if (runSelectedLesson)
        runSelectedLesson();
}

void TMainFrm::m3Click()
{
    m3->hide();
    platform::Desktop::current().shellOpen(courseRoot + QStringLiteral("\\help\\help.htm"));
}

void TMainFrm::m4Click()
{
    m4->hide();
    showPage(6, 7, 8);
}

void TMainFrm::m5Click()
{
    m5->hide();
    close();
}

QString TMainFrm::descrPath(const QString& name) const
{
    return courseRoot + QStringLiteral("\\data\\descr\\") + name;
}

// The page viewer with a windList page and caption, shown when the flag
// line says so.
void TMainFrm::showPage(int captionLine, int pageLine, int flagLine)
{
    ViewFrm->Browser->Navigate(descrPath(windList.at(pageLine)));
    ViewFrm->setCaption(windList.at(captionLine));
    if (platform::toBoolean(windList.at(flagLine)))
        ViewFrm->showModal();
}
