#pragma once

#include "form.h"
#include "picture.h"

#include <QList>
#include <QStringList>

namespace platform {

// A window dressed by the course's skin: a top band (Panel1 with its picture
// Image3), a bottom band (Panel2 with Image4), a left and a right strip
// (Image1, Image2) and the picture buttons. Each button is a hidden hover
// picture (m1 ... m5) under a clickable picture without a picture of its own
// (m11 ... m55) on the same rectangle, in the band that holds the buttons.
// The rest of the client area is the centre, laid out by the window.
class BandedForm : public Form {
    Q_OBJECT
public:
    enum class ButtonBand { Top, Bottom };

    BandedForm(ButtonBand band, int buttonCount, QWidget* parent = nullptr);

    QWidget* Panel1;
    QWidget* Panel2;
    Picture* Image1;
    Picture* Image2;
    Picture* Image3;
    Picture* Image4;
    Picture* m1 = nullptr;
    Picture* m2 = nullptr;
    Picture* m3 = nullptr;
    Picture* m4 = nullptr;
    Picture* m5 = nullptr;
    Picture* m11 = nullptr;
    Picture* m22 = nullptr;
    Picture* m33 = nullptr;
    Picture* m44 = nullptr;
    Picture* m55 = nullptr;

    // The hover pictures and the clickable pictures, in button order.
    const QList<Picture*>& hoverPictures() const { return m_hover; }
    const QList<Picture*>& buttonPictures() const { return m_buttons; }

    // The hints of the clickable pictures, in button order.
    void setButtonHints(const QStringList& hints);

    void setTopBandSize(int width, int height);
    void setBottomBandSize(int width, int height);
    void setLeftStripWidth(int width);
    void setRightStripWidth(int width);

    // Hover mechanism: the pointer over a button shows its hover picture and
    // hides the others; over the band picture it hides them all.
    void hoverButton(int button);
    void hideHoverPictures();

protected:
    // The widget between the bands and strips; the window fills it.
    QWidget* centre() const { return m_centre; }
    void resizeEvent(QResizeEvent* event) override;

private:
    void relayout();

    QWidget* m_centre;
    QList<Picture*> m_hover;
    QList<Picture*> m_buttons;
};

} // namespace platform
