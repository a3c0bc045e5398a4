#include "Viewtxt.h"

#include "lessonfiles.h"
#include "marks.h"
#include "phrases.h"

#include "platform/application.h"
#include "platform/desktop.h"
#include "platform/error.h"
#include "platform/filecopy.h"
#include "platform/listeningspeed.h"
#include "platform/path.h"
#include "shell/Main.h"

#include <QVBoxLayout>

TViewTxtFrm* ViewTxtFrm = nullptr;

namespace {

// A phrase is passed once the position comes within two ticks of its end.
constexpr int ticksAhead = 2;

} // namespace

TViewTxtFrm::TViewTxtFrm()
    : BandedForm(ButtonBand::Bottom, 5)
    , SaveDialog1(QStringLiteral(".wav"), QStringLiteral("WAV FILE|*.wav"))
{
    setObjectName(QStringLiteral("ViewTxtFrm"));
    CppWebBrowser1 = new platform::HtmlView(centre());
    TrackBar1 = new platform::TrackBar(centre());
    TrackBar1->setFixedHeight(31);
    auto* layout = new QVBoxLayout(centre());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(CppWebBrowser1, 1);
    layout->addWidget(TrackBar1);
    Timer1 = new platform::Timer(250, this);
    Timer2 = new platform::Timer(100, this);
    MediaPlayer1 = new platform::MediaPlayer(this);
    MediaPlayer2 = new platform::MediaPlayer(this);
    SpeedLabel1 = new platform::SpeedLabel(CppWebBrowser1);
    setButtonHints({"Play", "Pause", "Stop", "Help", "Exit"});
    setSize(934, 612);

    connect(Timer1, &platform::Timer::timeout, this, &TViewTxtFrm::Timer1Timer);
    connect(Timer2, &platform::Timer::timeout, this, &TViewTxtFrm::Timer2Timer);
    connect(TrackBar1, &platform::TrackBar::changed, this, &TViewTxtFrm::TrackBar1Change);
    connect(CppWebBrowser1, &platform::HtmlView::DocumentComplete, this,
            &TViewTxtFrm::CppWebBrowser1DocumentComplete);
    connect(m11, &platform::Picture::clicked, this, &TViewTxtFrm::m11Click);
    connect(m22, &platform::Picture::clicked, this, &TViewTxtFrm::m22Click);
    connect(m33, &platform::Picture::clicked, this, &TViewTxtFrm::m33Click);
    connect(m44, &platform::Picture::clicked, this, &TViewTxtFrm::m44Click);
    connect(m55, &platform::Picture::clicked, this, &TViewTxtFrm::m55Click);
    connect(m11, &platform::Picture::mouseMoved, this, &TViewTxtFrm::m11MouseMove);
    connect(m22, &platform::Picture::mouseMoved, this, &TViewTxtFrm::m22MouseMove);
    connect(m33, &platform::Picture::mouseMoved, this, &TViewTxtFrm::m33MouseMove);
    connect(m44, &platform::Picture::mouseMoved, this, &TViewTxtFrm::m44MouseMove);
    connect(m55, &platform::Picture::mouseMoved, this, &TViewTxtFrm::m55MouseMove);
    connect(Image4, &platform::Picture::mouseMoved, this, &TViewTxtFrm::Image4MouseMove);
    platform::listeningspeed::installKeys(this, [this](int key) { SpeedKeyPress(key); });
}

// The player is shown over the main window it was started from.
void TViewTxtFrm::FormShow()
{
    centreOver(MainFrm);
}

void TViewTxtFrm::Timer1Timer()
{
    try {
        followSound();
    } catch (const std::exception& error) {
        // The tick reports its own errors: the players keep running and the
        // highlight stays where it was, only the tick stops. It stops before
        // the box, whose loop would otherwise run a failing tick, and open a
        // box, four times a second.
        Timer1->setEnabled(false);
        platform::Desktop::current().showOwnerlessMessage(QStringLiteral("Error!"),
                                                          QString::fromUtf8(error.what()));
    }
}

void TViewTxtFrm::followSound()
{
    if (freeRecording)
        return;
    if (currentPhrase - 1 > marks.count())
        return;
    // Recording runs on its own clock: the highlight keeps the pace of the
    // lesson's marks whatever the learner's voice does.
    if (recordingMode)
        positionMs += Timer1->interval();
    else
        positionMs = MediaPlayer1->position();
    if (currentPhrase > 1)
        unhighlightPhrase(pageDocument, currentPhrase - 1);
    // Revealed on every tick, so a page scrolled away is pulled back.
    revealPhrase(pageDocument, currentPhrase);
    highlightPhrase(pageDocument, currentPhrase);
    // At most one phrase per tick, so a jump past several marks is followed
    // phrase by phrase and every mark passed is collected. Two ticks ahead
    // as heard: at other speeds they hold more or less of the sound; the
    // recording clock runs at normal speed. 64 bits keep the comparison
    // signed for any mark the file can hold.
    const double speed = recordingMode ? 1.0 : MediaPlayer1->speed();
    const qint64 ahead = qRound64(ticksAhead * Timer1->interval() * speed);
    if (qint64(mark(marks, currentPhrase)) - ahead < positionMs) {
        ++currentPhrase;
        TrackBar1->setPosition(TrackBar1->position() + 1);
        userMarks.append(marks.at(currentPhrase - 2));
    }
    if (currentPhrase == marks.count() + 1)
        endOfPlayback();
}

// The last mark is passed: back to phrase 1, stopped.
void TViewTxtFrm::endOfPlayback()
{
    TrackBar1->setEnabled(true);
    if (recordingMode) {
        TrackBar1->setEnabled(false);
        Timer2->setEnabled(false);
    }
    MediaPlayer1->stop();
    if (recordingMode) {
        MediaPlayer1->save();
        recordingSaved = 1;
    }
    if (modelPlayerInUse == 1)
        MediaPlayer2->stop();
    if (currentPhrase > 1)
        unhighlightPhrase(pageDocument, currentPhrase - 1);
    backToFirstPhrase();
}

// Phrase 1 highlighted and in view, the clock at 0. Timer1 goes off last:
// while it is on the track bar handler ignores the reset of its position,
// after a pause it runs for phrase 1.
void TViewTxtFrm::backToFirstPhrase()
{
    revealPhrase(pageDocument, 1);
    highlightPhrase(pageDocument, 1);
    currentPhrase = 1;
    positionMs = 0;
    TrackBar1->setPosition(0);
    Timer1->setEnabled(false);
}

void TViewTxtFrm::TrackBar1Change()
{
    // In free recording the track bar is the allowance gauge, and while the
    // tick runs it moves the track bar itself.
    if (freeRecording || Timer1->enabled())
        return;
    currentPhrase = TrackBar1->position() + 1;
    // The end of the chosen phrase; Play starts from its beginning.
    positionMs = mark(marks, currentPhrase);
    if (currentPhrase > 1)
        unhighlightPhrase(pageDocument, currentPhrase - 1);
    if (currentPhrase < TrackBar1->max() + 1)
        unhighlightPhrase(pageDocument, currentPhrase + 1);
    unhighlightPhrase(pageDocument, lastSelectedPhrase);
    lastSelectedPhrase = currentPhrase;
    revealPhrase(pageDocument, currentPhrase);
    highlightPhrase(pageDocument, currentPhrase);
    // A recording is never sought: a seek would end it, and Stop while
    // paused (which moves the track bar back to 0) keeps it going.
    if (recordingMode == 0)
        MediaPlayer1->setPosition(positionMs);
}

void TViewTxtFrm::Timer2Timer()
{
    if (!freeRecording)
        return;
    timeLeft -= 0.1;
    TrackBar1->setPosition(qRound(TrackBar1->max() - timeLeft));
    // The allowance used up ends the recording as Stop record does. Half a
    // tick absorbs the rounding of the repeated tenths.
    if (timeLeft < 0.05)
        m33Click();
}

void TViewTxtFrm::m11Click()
{
    if (Timer1->enabled())
        return;
    // A page still loading is only reported: the first tick then stops on
    // the failing page access.
    if (pageDocument.isEmpty())
        platform::Desktop::current().showMessage(platform::Application::title(),
                                                 QStringLiteral("Ошибка инициализации документа."));
    if (recordingMode == 0) {
        MediaPlayer1->setPosition(phraseStart(marks, currentPhrase));
        TrackBar1->setEnabled(false);
        // The speed may have changed in the workshop since the last lesson.
        MediaPlayer1->setSpeed(platform::listeningspeed::factor());
        MediaPlayer1->play();
        Timer1->setEnabled(true);
        paused = 0;
        m22->setHint(QStringLiteral("Pause"));
        return;
    }
    // A paused recording goes on only with Continue.
    if (paused == 1)
        return;
    userMarks.clear();
    Timer2->setEnabled(true);
    if (recordingSaved == 1) {
        // The previous recording was saved: start again from the template.
        MediaPlayer1->close();
        platform::copyFileOver(lessonfiles::recordingTemplate(), lessonfiles::ownRecording());
        MediaPlayer1->setFileName(lessonfiles::ownRecording());
        MediaPlayer1->open();
        recordingSaved = 0;
    }
    MediaPlayer1->startRecording();
    TrackBar1->setEnabled(false);
    Timer1->setEnabled(true);
    Timer2->setEnabled(true);
    if (modelPlayerInUse == 1) {
        MediaPlayer2->setPosition(phraseStart(marks, currentPhrase));
        MediaPlayer2->play();
    }
}

void TViewTxtFrm::SpeedKeyPress(int key)
{
    if (recordingMode || !platform::listeningspeed::applyKey(key))
        return;
    MediaPlayer1->setSpeed(platform::listeningspeed::factor());
    SpeedLabel1->showSpeed(platform::listeningspeed::tenths());
}

void TViewTxtFrm::m22Click()
{
    if (freeRecording)
        return;
    if (recordingMode == 0) {
        if (paused == 0) {
            MediaPlayer1->pause();
            TrackBar1->setEnabled(false);
            Timer1->setEnabled(false);
            paused = 1;
            m22->setHint(QStringLiteral("Continue"));
        } else {
            // Continue replays the current phrase from its beginning.
            TrackBar1->setEnabled(false);
            positionMs = phraseStart(marks, currentPhrase);
            MediaPlayer1->setPosition(positionMs);
            MediaPlayer1->play();
            Timer1->setEnabled(true);
            paused = 0;
            m22->setHint(QStringLiteral("Pause"));
        }
        return;
    }
    // Recording goes on through a pause: only the highlight clock and the
    // lesson sound stand still.
    if (paused == 0) {
        if (modelPlayerInUse == 1)
            MediaPlayer2->pause();
        Timer1->setEnabled(false);
        paused = 1;
        m22->setHint(QStringLiteral("Continue"));
    } else {
        if (modelPlayerInUse == 1) {
            MediaPlayer2->setPosition(phraseStart(marks, currentPhrase));
            MediaPlayer2->play();
        }
        Timer1->setEnabled(true);
        paused = 0;
        m22->setHint(QStringLiteral("Pause"));
    }
}

void TViewTxtFrm::m33Click()
{
    if (m11->hint() != u"Start record")
        TrackBar1->setEnabled(true);
    if (recordingMode == 1) {
        TrackBar1->setEnabled(false);
        Timer2->setEnabled(false);
    }
    QString failedCopy;
    if (Timer1->enabled()) {
        if (recordingMode == 1) {
            MediaPlayer1->stop();
            MediaPlayer1->save();
            if (freeRecording && SaveDialog1.Execute()
                && !platform::copyFileOver(lessonfiles::ownRecording(), SaveDialog1.FileName))
                failedCopy = SaveDialog1.FileName;
            recordingSaved = 1;
        }
        MediaPlayer1->stop();
        if (modelPlayerInUse == 1)
            MediaPlayer2->stop();
    }
    // Timer1 stays on in free recording: Start record is refused for the rest
    // of the lesson run, while Stop record saves and offers the dialog again.
    if (freeRecording) {
        // The learner asked for a copy: a copy that did not happen is said so.
        if (!failedCopy.isEmpty())
            throw platform::Error(QStringLiteral("Cannot create file %1").arg(platform::nativePath(failedCopy)));
        return;
    }
    if (currentPhrase > 1) {
        unhighlightPhrase(pageDocument, currentPhrase - 1);
        unhighlightPhrase(pageDocument, currentPhrase);
    }
    backToFirstPhrase();
}

void TViewTxtFrm::m44Click()
{
    platform::Desktop::current().shellOpen(lessonfiles::helpPage(MainFrm->selectedLessonIndex()));
}

void TViewTxtFrm::m55Click()
{
    close();
}

void TViewTxtFrm::CppWebBrowser1DocumentComplete()
{
    // Taken on every completion, so it is always the latest document.
    pageDocument = CppWebBrowser1->Document();
    if (freeRecording || pageHighlighted)
        return;
    revealPhrase(pageDocument, 1);
    highlightPhrase(pageDocument, 1);
    pageHighlighted = true;
}

void TViewTxtFrm::FormClose()
{
    MediaPlayer1->stop();
    if (modelPlayerInUse == 1)
        MediaPlayer2->stop();
    if (recordingMode == 1) {
        MediaPlayer1->save();
        // The launch of a recording lesson empties userMarks as well as Start
        // record does, so these are always the marks of data\temp.wav.
        userMarks.save(lessonfiles::userMarks());
    }
}

void TViewTxtFrm::m11MouseMove() { hoverButton(0); }
void TViewTxtFrm::m22MouseMove() { hoverButton(1); }
void TViewTxtFrm::m33MouseMove() { hoverButton(2); }
void TViewTxtFrm::m44MouseMove() { hoverButton(3); }
void TViewTxtFrm::m55MouseMove() { hoverButton(4); }
void TViewTxtFrm::Image4MouseMove() { hideHoverPictures(); }
