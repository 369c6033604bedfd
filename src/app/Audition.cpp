#include "app/Audition.h"

#include "dialogs/Form4.h"
#include "model/MessageBoxes.h"
#include "platform/DataFolder.h"
#include "platform/FluidSequencer.h"
#include "sound/SornMidi.h"
#include <QCoreApplication>

namespace sorn {

AuditionResult Audition(QWidget* parent, const SornData& doc, const std::string& listenFile,
                        std::shared_ptr<Sequencer> device, MessageBoxes& boxes,
                        const AuditionOptions& options) {
    SornMidi midi;
    midi.PlayPartsFrom(options.partRanges);
    if (midi.SaveToMIDI(doc, listenFile, nullptr, options.range) == 0) {
        boxes.ShowMessage(midi.Error().What(), MsgButtons::Ok, MsgIcon::None);
        return AuditionResult::ExportFailed;
    }
    // Nothing to play is known from the file alone: no window, and no sound
    // device started for nothing.
    if (FluidSequencer::SongTicks(listenFile) == 0) return AuditionResult::NotPlayable;
    device->SetFileName(listenFile);
    bool playable = true;
    std::string problem;
    {
        // The window opens at once and the device starts behind it.
        Form4 form(device, parent);
        form.PositionShown = options.positionShown;
        form.OpenDevice([&] {
            if (!device->CanPlay() || device->Length() == 0) {
                // Unloading the window closes the device.
                playable = false;
                problem = device->ErrorMessage();
                form.close();
                return;
            }
            form.Picture1->Scale(0, 0, device->Length(), 1);
            if (device->Silent() && options.statusShown)
                options.statusShown(
                    QCoreApplication::translate("sorn::Audition",
                                                "音を出す装置がないため、試聴の音は鳴りません。")
                        .toStdString());
        });
        form.exec();
    }
    if (playable) return AuditionResult::Shown;
    if (!problem.empty()) boxes.Show(problem, MsgButtons::Ok, MsgIcon::Warning);
    return AuditionResult::NotPlayable;
}

AuditionResult Audition(QWidget* parent, const SornData& doc, const std::string& listenFile,
                        Sequencer& device, MessageBoxes& boxes, const AuditionOptions& options) {
    return Audition(parent, doc, listenFile,
                    std::shared_ptr<Sequencer>(std::shared_ptr<Sequencer>(), &device), boxes,
                    options);
}

AuditionResult RunAudition(QWidget* parent, const SornData& doc, MessageBoxes& boxes,
                           const AuditionOptions& options) {
    const std::string listen = ScratchFile("Listen.mid");
    if (listen.empty()) {
        boxes.Show(QCoreApplication::translate("sorn::Audition",
                                               "試聴用の一時ファイルを作れませんでした。")
                       .toStdString(),
                   MsgButtons::Ok, MsgIcon::Warning);
        return AuditionResult::ExportFailed;
    }
    // Shared with the thread that starts it, which may end after the window.
    return Audition(parent, doc, listen, std::make_shared<FluidSequencer>(), boxes, options);
}

void CloseAudition() {
    if (Form4* form = Form4::Current()) form->close();
}

} // namespace sorn
