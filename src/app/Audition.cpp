#include "app/Audition.h"

#include "dialogs/Form4.h"
#include "model/MessageBoxes.h"
#include "platform/DataFolder.h"
#include "platform/FluidSequencer.h"
#include "sound/SornMidi.h"

namespace sorn {

AuditionResult Audition(QWidget* parent, SornData& doc, const std::string& listenFile,
                        Sequencer& device, MessageBoxes& boxes) {
    SornMidi midi;
    if (midi.SaveToMIDI(doc, listenFile) == 0) {
        boxes.Show(midi.Error().Message(), MsgButtons::Ok, MsgIcon::None);
        return AuditionResult::ExportFailed;
    }
    device.SetFileName(listenFile);
    device.Open();
    if (!device.CanPlay() || device.Length() == 0) {
        // The window is unloaded unseen; unloading closes the device.
        const std::string problem = device.ErrorMessage();
        device.Close();
        if (!problem.empty()) boxes.Show(problem, MsgButtons::Ok, MsgIcon::Warning);
        return AuditionResult::NotPlayable;
    }
    Form4 form(device, parent);
    form.Picture1->Scale(0, 0, device.Length(), 1);
    form.exec();
    return AuditionResult::Shown;
}

AuditionResult RunAudition(QWidget* parent, SornData& doc, const std::string& appPath,
                           MessageBoxes& boxes) {
    FluidSequencer device;
    return Audition(parent, doc, WritableDataFile(appPath, "Listen.mid"), device, boxes);
}

void CloseAudition() {
    if (Form4* form = Form4::Current()) form->close();
}

} // namespace sorn
