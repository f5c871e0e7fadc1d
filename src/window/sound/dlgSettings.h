#pragma once

#include "window/sound/SoundUnit.h"

#include <QDialog>

class QComboBox;
class QPushButton;
class QSlider;

// Configure Velmora: the volumes of the sounds and the voice, the voice's
// rate and which voice speaks. Each change goes out at once.
class dlgSettings final : public QDialog {
    Q_OBJECT
  public:
    explicit dlgSettings(QWidget* owner);

    // The settings as they stand and the voices the speech service offers.
    void Show(const SoundSettings& settings, const QStringList& voices);

  signals:
    void changed(const SoundSettings& settings);
    void testVoice();

  private:
    SoundSettings Read() const;

    SoundSettings m_shown;
    bool m_showing = false; // no change goes out while the controls are set
    QSlider* m_sldSoundVolume;
    QSlider* m_sldVoiceVolume;
    QSlider* m_sldVoiceRate;
    QComboBox* m_cmbVoice;
    QPushButton* m_cmdTestVoice;
};
