// LLZORNIX: binds the maker's driver library at run time, so that the program runs without it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "ui/core/dynlib.h"

namespace llzornix {

using TGetNumCards = int32_t (*)();

// One slot per entry point, in lookup order; empty until bound. Only GetNumCards is ever called, so
// the others keep the generic function type.
struct DriverSlots {
    TGetNumCards GetNumCards;
    ui::FARPROC QueryCardInfo, QueryBARBase, WaitForIRQ, COSWaitForIRQ, WDGHandleIRQ, AbortRequest, CloseCard,
        WDGInit, WDGSetTimeout, WDGSetResetDuration, WDGPet, WDGReadTemp, WDGReadStatus, WDGStart, WDGStop,
        EmergencyReboot, InPortB, OutPortB, InPort, OutPort, InPortL, OutPortL, InPortDWord, OutPortDWord,
        RelInPortB, RelOutPortB, RelInPort, RelOutPort, RelInPortL, RelOutPortL, RelInPortDWord, RelOutPortDWord;
};

constexpr int kEntryPointCount = 33;

// The binding's state; the program uses one for the whole process (Driver()).
class DriverBinding {
public:
    using Loader = std::function<ui::HMODULE(const std::string& name)>;
    explicit DriverBinding(Loader loader = ui::LoadLibrary) : load_(std::move(loader)) {}

    // Binds once all entry points were found; a failed or partial binding is tried again next time.
    // The library is never released.
    void BindDriverLibrary();
    bool DriverAvailable() const { return available_; }
    const DriverSlots& Slots() const { return slots_; }

private:
    Loader load_;
    DriverSlots slots_{};
    bool available_ = false;
};

DriverBinding& Driver();
void BindDriverLibrary();
bool DriverAvailable();
// The GetNumCards slot of the process's binding (nullptr while unbound).
TGetNumCards GetNumCards();

}  // namespace llzornix
