#include "window/frmPowerReels.h"

#include "platform/Pictures.h"
#include "render/FrameRenderer.h"
#include "render/PaletteNames.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <cmath>

namespace {

// The idle window's client area in twips.
constexpr double IdleClientWidth = 5010;
constexpr double IdleClientHeight = 2655;

} // namespace

frmPowerReels::frmPowerReels(Platform::Desktop& desktop) : Form(desktop)
{
    buildDesign();
    connectHandlers();
}

frmPowerReels::~frmPowerReels() = default;

void frmPowerReels::buildDesign()
{
    setObjectName("frmPowerReels");
    setCaption("PowerReels");
    placeControls();
    fillControls();
    labelFields();
    orderFocus();
    tmrSlideShow.setEnabled(false);
    tmrSlideShow.setInterval(40);
    fitFontToDesign();
}

void frmPowerReels::placeControls()
{
    const auto place = [this](QWidget& control, const char* name, double left, double top,
                              double width, double height) {
        control.setObjectName(name);
        control.setGeometry(pixelsX(left), pixelsY(top), pixelsX(width), pixelsY(height));
    };
    setFixedSize(pixelsX(IdleClientWidth), pixelsY(IdleClientHeight));

    place(fraPowerReels, "fraPowerReels", 120, 120, 4770, 2415);
    place(cboColors, "cboColors", 1125, 1875, 1800, 315);
    place(cmdSlideShow, "cmdSlideShow", 3285, 1095, 1215, 315);
    place(fraDivide, "fraDivide", 3090, 165, 30, 2085);
    place(cmdExit, "cmdExit", 3285, 1485, 1215, 315);
    place(cmdBegin, "cmdBegin", 3285, 705, 1215, 315);
    place(txtPixels, "txtPixels", 1125, 1485, 1800, 315);
    place(txtSteps, "txtSteps", 1125, 1095, 1800, 315);
    place(txteMax, "txteMax", 1125, 705, 1800, 315);
    place(txteMin, "txteMin", 1125, 315, 1800, 315);
    place(lblColors, "lblColors", 240, 1920, 840, 255);
    place(lblPixels, "lblPixels", 240, 1530, 840, 255);
    place(lblSteps, "lblSteps", 240, 1140, 840, 255);
    place(lbleMax, "lbleMax", 240, 750, 840, 255);
    place(lbleMin, "lbleMin", 240, 360, 840, 255);
    tmrSlideShow.setObjectName("tmrSlideShow");
}

void frmPowerReels::fillControls()
{
    for (const char* name : Render::PaletteNames)
        cboColors.addItem(name);
    cboColors.setEditable(false);

    cmdSlideShow.setText("&SlideShow");
    cmdExit.setText("&Exit");
    cmdBegin.setText("&Calculate");
    setDefaultButton(&cmdSlideShow);
    setCancelButton(&cmdExit);

    fraDivide.setFrameShape(QFrame::VLine);
    fraDivide.setFrameShadow(QFrame::Sunken);

    for (Platform::TextBox* box : {&txtPixels, &txtSteps, &txteMax, &txteMin})
        box->setMaxLength(16);
}

void frmPowerReels::labelFields()
{
    const struct
    {
        QLabel& label;
        const char* caption;
        QWidget& field;
    } labels[] = {
        {lbleMin, "Mi&nimum e:", txteMin},  {lbleMax, "Ma&ximum e:", txteMax},
        {lblSteps, "S&teps:", txtSteps},    {lblPixels, "&Pixels:", txtPixels},
        {lblColors, "C&olors:", cboColors},
    };
    for (const auto& entry : labels) {
        entry.label.setText(entry.caption);
        entry.label.setBuddy(&entry.field);
        entry.label.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
}

void frmPowerReels::orderFocus()
{
    // The focus order; frames, labels and the timer never take the focus.
    QWidget* order[] = {&txteMin,   &txteMax,  &txtSteps,     &txtPixels,
                        &cboColors, &cmdBegin, &cmdSlideShow, &cmdExit};
    for (QWidget* control : order)
        control->setFocusPolicy(Qt::StrongFocus);
    setFocusOrder({std::begin(order), std::end(order)});
}

void frmPowerReels::fitFontToDesign()
{
    // The design's geometry was made for a narrow dialog font; the desktop's
    // font may be wider. Take the largest size, condensed if need be, at
    // which every label caption fits its label.
    QFont font = this->font();
    font.setStretch(QFont::SemiCondensed);
    const auto fits = [this](const QFont& candidate) {
        const QFontMetrics metrics(candidate);
        for (const QLabel* label : {&lblColors, &lblPixels, &lblSteps, &lbleMax, &lbleMin}) {
            const QString caption = QString(label->text()).remove('&');
            if (metrics.horizontalAdvance(caption) > label->width())
                return false;
        }
        return true;
    };
    int pixels = QFontInfo(font).pixelSize();
    while (pixels > 8 && !fits(font)) {
        --pixels;
        font.setPixelSize(pixels);
    }
    setFont(font);
}

void frmPowerReels::connectHandlers()
{
    const auto handle = [this](void (frmPowerReels::*handler)()) {
        return [this, handler] { RunHandler([this, handler] { (this->*handler)(); }); };
    };
    connect(&cmdBegin, &QPushButton::clicked, this, handle(&frmPowerReels::cmdBegin_Click));
    connect(&cmdSlideShow, &QPushButton::clicked, this, handle(&frmPowerReels::cmdSlideShow_Click));
    connect(&cmdExit, &QPushButton::clicked, this, handle(&frmPowerReels::cmdExit_Click));
    connect(&tmrSlideShow, &Platform::Timer::Tick, this,
            handle(&frmPowerReels::tmrSlideShow_Timer));
    connect(&txteMin, &Platform::TextBox::GotFocus, this, handle(&frmPowerReels::txteMin_GotFocus));
    connect(&txteMax, &Platform::TextBox::GotFocus, this, handle(&frmPowerReels::txteMax_GotFocus));
    connect(&txtSteps, &Platform::TextBox::GotFocus, this,
            handle(&frmPowerReels::txtSteps_GotFocus));
    connect(&txtPixels, &Platform::TextBox::GotFocus, this,
            handle(&frmPowerReels::txtPixels_GotFocus));
    // Ending stops the show and the workers of a frame in progress.
    connect(this, &Form::Ended, this, [this] {
        tmrSlideShow.setEnabled(false);
        if (m_render != nullptr)
            m_render->abort();
    });
}

void frmPowerReels::FitWindowToPicture()
{
    fraPowerReels.setVisible(false);
    // No control can hold the focus now; the keys of a show go to the form.
    setFocus(Qt::OtherFocusReason);
    // With the screen's exact twips per pixel: the rounded lngTwipsX/Y would
    // make the picture smaller where a pixel is a fraction more twips.
    setWidth(Width() - ScaleWidth() + Pixels * double(twipsPerPixelX()));
    setHeight(Height() - ScaleHeight() + Pixels * double(twipsPerPixelY()));
    setLeft(centredLeft());
    double top = std::nearbyint(centredTop());
    if (top < 28.0 * twipsPerPixelY())
        top = 28.0 * twipsPerPixelY();
    setTop(top);
}

void frmPowerReels::RestoreIdleWindow()
{
    setPicture(Platform::LoadPicture());
    setCaption("PowerReels");
    // The idle client area, whatever border the window manager draws.
    setWidth(Width() - ScaleWidth() + IdleClientWidth);
    setHeight(Height() - ScaleHeight() + IdleClientHeight);
    setLeft(centredLeft());
    setTop(centredTop());
    fraPowerReels.setVisible(true);
}
