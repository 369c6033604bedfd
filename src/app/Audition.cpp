#include "app/Audition.h"

#include "dialogs/Form4.h"
#include "model/MessageBoxes.h"
#include "platform/DataFolder.h"
#include "platform/FluidSequencer.h"
#include "sound/SornMidi.h"

namespace sorn {

AuditionResult Audition(QWidget* parent, const SornData& doc, const std::string& listenFile,
                        Sequencer& device, MessageBoxes& boxes, const AuditionOptions& options) {
    SornMidi midi;
    if (midi.SaveToMIDI(doc, listenFile, nullptr, options.range) == 0) {
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
    form.PositionShown = options.positionShown;
    form.exec();
    return AuditionResult::Shown;
}

AuditionResult RunAudition(QWidget* parent, const SornData& doc, MessageBoxes& boxes,
                           const AuditionOptions& options) {
    FluidSequencer device;
    const std::string listen = ScratchFile("Listen.mid");
    if (listen.empty()) {
        boxes.Show("試聴用の一時ファイルを作れませんでした。", MsgButtons::Ok, MsgIcon::Warning);
        return AuditionResult::ExportFailed;
    }
    return Audition(parent, doc, listen, device, boxes, options);
}

void CloseAudition() {
    if (Form4* form = Form4::Current()) form->close();
}

} // namespace sorn
