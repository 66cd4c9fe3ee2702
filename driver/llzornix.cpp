#include "driver/llzornix.h"

#include <array>
#include <utility>

namespace llzornix {

namespace {

using Slot = ui::FARPROC DriverSlots::*;
const std::array<std::pair<const char*, Slot>, kEntryPointCount - 1> kProcedures = {{
    {"QueryCardInfo", &DriverSlots::QueryCardInfo},       {"QueryBARBase", &DriverSlots::QueryBARBase},
    {"WaitForIRQ", &DriverSlots::WaitForIRQ},             {"COSWaitForIRQ", &DriverSlots::COSWaitForIRQ},
    {"WDGHandleIRQ", &DriverSlots::WDGHandleIRQ},         {"AbortRequest", &DriverSlots::AbortRequest},
    {"CloseCard", &DriverSlots::CloseCard},               {"WDGInit", &DriverSlots::WDGInit},
    {"WDGSetTimeout", &DriverSlots::WDGSetTimeout},       {"WDGSetResetDuration", &DriverSlots::WDGSetResetDuration},
    {"WDGPet", &DriverSlots::WDGPet},                     {"WDGReadTemp", &DriverSlots::WDGReadTemp},
    {"WDGReadStatus", &DriverSlots::WDGReadStatus},       {"WDGStart", &DriverSlots::WDGStart},
    {"WDGStop", &DriverSlots::WDGStop},                   {"EmergencyReboot", &DriverSlots::EmergencyReboot},
    {"InPortB", &DriverSlots::InPortB},                   {"OutPortB", &DriverSlots::OutPortB},
    {"InPort", &DriverSlots::InPort},                     {"OutPort", &DriverSlots::OutPort},
    {"InPortL", &DriverSlots::InPortL},                   {"OutPortL", &DriverSlots::OutPortL},
    {"InPortDWord", &DriverSlots::InPortDWord},           {"OutPortDWord", &DriverSlots::OutPortDWord},
    {"RelInPortB", &DriverSlots::RelInPortB},             {"RelOutPortB", &DriverSlots::RelOutPortB},
    {"RelInPort", &DriverSlots::RelInPort},               {"RelOutPort", &DriverSlots::RelOutPort},
    {"RelInPortL", &DriverSlots::RelInPortL},             {"RelOutPortL", &DriverSlots::RelOutPortL},
    {"RelInPortDWord", &DriverSlots::RelInPortDWord},     {"RelOutPortDWord", &DriverSlots::RelOutPortDWord},
}};

}  // namespace

void DriverBinding::BindDriverLibrary() {
    if (available_) return;
    ui::HMODULE module = load_("ZORNIX.dll");
    if (!module) return;
    slots_.GetNumCards = reinterpret_cast<TGetNumCards>(ui::GetProcAddress(module, "GetNumCards"));
    bool all = slots_.GetNumCards != nullptr;
    for (const auto& [name, slot] : kProcedures) {
        slots_.*slot = ui::GetProcAddress(module, name);
        all = all && slots_.*slot != nullptr;
    }
    available_ = all;
}

DriverBinding& Driver() {
    static DriverBinding binding;
    return binding;
}

void BindDriverLibrary() { Driver().BindDriverLibrary(); }
bool DriverAvailable() { return Driver().DriverAvailable(); }
TGetNumCards GetNumCards() { return Driver().Slots().GetNumCards; }

}  // namespace llzornix
