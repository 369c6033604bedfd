#pragma once
// Helpers of the dialog tests: positions written and read as text
// ("3,130 - 11,1": kind,value per slot, "-" for an empty one), and acting on
// a modal dialog while its exec() runs.

#include "model/SornData.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace sorn::test {

struct Score {
    SornData doc;
    Score() { doc.FileNew(); }

    void Put(std::int32_t pos, const std::string& text) {
        doc.DeleteAllGData1(0, pos);
        std::istringstream in(text);
        std::string slot;
        for (std::int16_t s = 0; in >> slot; ++s) {
            int kind = 0, value = 0;
            if (slot != "-") std::sscanf(slot.c_str(), "%d,%d", &kind, &value);
            doc.SetGData1(0, pos, s, static_cast<std::uint8_t>(kind),
                          static_cast<std::uint8_t>(value));
        }
    }

    // Slots up to the last one in use.
    std::string Slots(std::int32_t pos) const {
        int last = 0;
        for (std::int16_t s = 0; s < SlotCount; ++s)
            if (doc.GetGSyurui(0, pos, s)) last = s;
        std::string out;
        for (std::int16_t s = 0; s <= last; ++s) {
            const int kind = doc.GetGSyurui(0, pos, s);
            out += (s ? " " : "") +
                   (kind ? std::to_string(kind) + "," + std::to_string(doc.GetGAtai(0, pos, s))
                         : std::string("-"));
        }
        return out;
    }
};

// Acts on the modal dialog of type D once exec() has shown it. A dialog
// still open afterwards is closed, so that a failing test cannot hang.
template <class D, class Act> void WhenModal(Act act) {
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<D*>(modal);
        if (!dialog) {
            ADD_FAILURE() << "the expected dialog is not shown";
            if (modal) modal->close();
            return;
        }
        act(*dialog);
        if (dialog->isVisible()) dialog->close();
    });
}

} // namespace sorn::test
