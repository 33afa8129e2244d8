#include "jukebox/windows/Win32Mixer.h"

namespace brambletune {
namespace {

// One channel: the value applies to all channels alike.
MIXERCONTROLDETAILS DetailsFor(std::uint32_t controlId, MIXERCONTROLDETAILS_UNSIGNED& value) {
    MIXERCONTROLDETAILS details{};
    details.cbStruct = sizeof(details);
    details.dwControlID = controlId;
    details.cChannels = 1;
    details.cMultipleItems = 0;
    details.cbDetails = sizeof(value);
    details.paDetails = &value;
    return details;
}

}  // namespace

Win32Mixer::~Win32Mixer() {
    CloseMixer();
}

bool Win32Mixer::OpenFirstMixer() {
    CloseMixer();
    if (mixerOpen(&mixer_, 0, 0, 0, 0) == MMSYSERR_NOERROR) return true;
    mixer_ = nullptr;
    return false;
}

bool Win32Mixer::FindSpeakersVolume(std::uint32_t& controlId) {
    MIXERLINEA line{};
    line.cbStruct = sizeof(line);
    line.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
    if (mixerGetLineInfoA(Object(), &line, MIXER_GETLINEINFOF_COMPONENTTYPE) != MMSYSERR_NOERROR)
        return false;
    MIXERCONTROLA control{};
    control.cbStruct = sizeof(control);
    MIXERLINECONTROLSA controls{};
    controls.cbStruct = sizeof(controls);
    controls.dwLineID = line.dwLineID;
    controls.dwControlType = MIXERCONTROL_CONTROLTYPE_VOLUME;
    controls.cControls = 1;
    controls.cbmxctrl = sizeof(control);
    controls.pamxctrl = &control;
    if (mixerGetLineControlsA(Object(), &controls, MIXER_GETLINECONTROLSF_ONEBYTYPE) !=
        MMSYSERR_NOERROR)
        return false;
    controlId = control.dwControlID;
    return true;
}

bool Win32Mixer::GetValue(std::uint32_t controlId, std::uint32_t& value) {
    MIXERCONTROLDETAILS_UNSIGNED detail{};
    MIXERCONTROLDETAILS details = DetailsFor(controlId, detail);
    if (mixerGetControlDetailsA(Object(), &details, MIXER_GETCONTROLDETAILSF_VALUE) !=
        MMSYSERR_NOERROR)
        return false;
    value = detail.dwValue;
    return true;
}

bool Win32Mixer::SetValue(std::uint32_t controlId, std::uint32_t value) {
    MIXERCONTROLDETAILS_UNSIGNED detail{};
    detail.dwValue = value;
    MIXERCONTROLDETAILS details = DetailsFor(controlId, detail);
    return mixerSetControlDetails(Object(), &details, MIXER_SETCONTROLDETAILSF_VALUE) ==
           MMSYSERR_NOERROR;
}

void Win32Mixer::CloseMixer() {
    if (!mixer_) return;
    mixerClose(mixer_);
    mixer_ = nullptr;
}

}  // namespace brambletune
