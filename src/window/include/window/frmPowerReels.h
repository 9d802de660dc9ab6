#pragma once

#include "film/FilmParameters.h"
#include "platform/Form.h"
#include "platform/Frame.h"
#include "platform/TextBox.h"
#include "platform/Timer.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <cstdint>
#include <memory>

// The one window of the program. It owns all state that the handlers share
// and all the handlers. The film CheckInput reads goes to the naming, the
// renderer and the slide-show rules, which never call back.
class frmPowerReels : public Platform::Form
{
    Q_OBJECT

public:
    explicit frmPowerReels(Platform::Desktop& desktop);
    ~frmPowerReels() override;

    // The window's variables.
    std::int32_t lngTwipsX = 0;
    std::int32_t lngTwipsY = 0;
    QString strBasePath;
    // The film the film run and the slide show read, set by CheckInput; the
    // four parameters are its fields under the design's names.
    Film::FilmParameters film;
    double& eMin = film.eMin;
    double& eMax = film.eMax;
    std::int32_t& Steps = film.steps;
    std::int32_t& Pixels = film.pixels;
    std::int32_t lngFrame = 0;
    std::int32_t lngInterval = 0;
    std::int32_t lngDirection = 0;

    // The controls, containers first so that they outlive their contents.
    Platform::Frame fraPowerReels{this};
    QComboBox cboColors{&fraPowerReels};
    QPushButton cmdSlideShow{&fraPowerReels};
    QFrame fraDivide{&fraPowerReels};
    QPushButton cmdExit{&fraPowerReels};
    QPushButton cmdBegin{&fraPowerReels};
    Platform::TextBox txtPixels{&fraPowerReels};
    Platform::TextBox txtSteps{&fraPowerReels};
    Platform::TextBox txteMax{&fraPowerReels};
    Platform::TextBox txteMin{&fraPowerReels};
    QLabel lblColors{&fraPowerReels};
    QLabel lblPixels{&fraPowerReels};
    QLabel lblSteps{&fraPowerReels};
    QLabel lbleMax{&fraPowerReels};
    QLabel lbleMin{&fraPowerReels};
    Platform::Timer tmrSlideShow{this};

    // Handlers.
    void Form_Load() override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;
    void Form_KeyPress(int& KeyAscii) override;
    void cmdBegin_Click();
    void cmdSlideShow_Click();
    void cmdExit_Click();
    void tmrSlideShow_Timer();
    void txteMin_GotFocus();
    void txteMax_GotFocus();
    void txtSteps_GotFocus();
    void txtPixels_GotFocus();

    bool CheckInput();
    void RenderFrame(const Render::FrameRequest& request);

    // The film's names, under the program folder.
    double FrameExponent(std::int64_t k) const;
    QString FrameFolderPath(QChar separator) const;
    QString FrameFilePath(const QString& folder, std::int64_t k, QChar separator) const;

    // Hides the inputs and makes the client area Pixels x Pixels pixels,
    // centred, its top at least 28 pixels below the top of the screen.
    void FitWindowToPicture();
    // Empty picture, idle caption and size, centred, inputs shown.
    void RestoreIdleWindow();

private:
    void buildDesign();
    // The steps of the design: geometry, contents, label captions and
    // access keys, focus order.
    void placeControls();
    void fillControls();
    void labelFields();
    void orderFocus();
    void fitFontToDesign();
    void connectHandlers();
    void warn(const QString& message);
    // False, with the reason told, when there is no folder for films.
    bool HasFilmsFolder();
    // Why strBasePath is empty: no folder for films could be had.
    QString m_noFilmsFolder;
    // The frame being rendered, so that End can stop its workers.
    Render::FrameRender* m_render = nullptr;
};
