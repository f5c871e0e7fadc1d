#include "window/sound/dlgSettings.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSlider>

namespace {

QSlider* Slider(QWidget* parent, const char* name, int low, int high) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(QLatin1String(name));
    slider->setRange(low, high);
    slider->setPageStep(10);
    return slider;
}

} // namespace

dlgSettings::dlgSettings(QWidget* owner)
    : QDialog(owner), m_sldSoundVolume(Slider(this, "sldSoundVolume", 0, 100)),
      m_sldVoiceVolume(Slider(this, "sldVoiceVolume", 0, 100)),
      m_sldVoiceRate(Slider(this, "sldVoiceRate", -100, 100)), m_cmbVoice(new QComboBox(this)),
      m_cmdTestVoice(new QPushButton(tr("&Test the voice"), this)) {
    setObjectName(QStringLiteral("dlgSettings"));
    setWindowTitle(tr("Configure Velmora"));
    m_cmbVoice->setObjectName(QStringLiteral("cmbVoice"));
    m_cmdTestVoice->setObjectName(QStringLiteral("cmdTestVoice"));
    auto* form = new QFormLayout(this);
    form->addRow(tr("&Sound volume:"), m_sldSoundVolume);
    form->addRow(tr("&Voice volume:"), m_sldVoiceVolume);
    form->addRow(tr("Voice &rate:"), m_sldVoiceRate);
    form->addRow(tr("V&oice:"), m_cmbVoice);
    form->addRow(QString(), m_cmdTestVoice);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QSlider* slider : {m_sldSoundVolume, m_sldVoiceVolume, m_sldVoiceRate}) {
        connect(slider, &QSlider::valueChanged, this, [this] {
            if (!m_showing) {
                emit changed(Read());
            }
        });
    }
    connect(m_cmbVoice, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_showing) {
            emit changed(Read());
        }
    });
    connect(m_cmdTestVoice, &QPushButton::clicked, this, &dlgSettings::testVoice);
}

void dlgSettings::Show(const SoundSettings& settings, const QStringList& voices) {
    m_showing = true;
    m_shown = settings;
    m_sldSoundVolume->setValue(settings.soundVolume);
    m_sldVoiceVolume->setValue(settings.voiceChoice.volume);
    m_sldVoiceRate->setValue(settings.voiceChoice.rate);
    m_cmbVoice->clear();
    m_cmbVoice->addItem(tr("The speech service's own"), QString());
    for (const QString& voice : voices) {
        m_cmbVoice->addItem(voice, voice);
    }
    m_cmbVoice->setCurrentIndex(std::max(0, m_cmbVoice->findData(settings.voiceChoice.voice)));
    m_cmdTestVoice->setEnabled(settings.voice);
    m_showing = false;
}

SoundSettings dlgSettings::Read() const {
    SoundSettings s = m_shown;
    s.soundVolume = m_sldSoundVolume->value();
    s.voiceChoice.volume = m_sldVoiceVolume->value();
    s.voiceChoice.rate = m_sldVoiceRate->value();
    s.voiceChoice.voice = m_cmbVoice->currentData().toString();
    return s;
}
