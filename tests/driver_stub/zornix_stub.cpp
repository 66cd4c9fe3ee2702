// A stand-in for the maker's driver library: every entry point, unless ZORNIX_WITHOUT names one to leave
// out; GetNumCards answers ZORNIX_CARDS.
#include <cstdint>

#define ENTRY(name) \
    extern "C" int32_t name() { return 0; }

extern "C" int32_t GetNumCards() { return ZORNIX_CARDS; }
ENTRY(QueryCardInfo)
ENTRY(QueryBARBase)
ENTRY(WaitForIRQ)
ENTRY(COSWaitForIRQ)
ENTRY(WDGHandleIRQ)
ENTRY(AbortRequest)
ENTRY(CloseCard)
ENTRY(WDGInit)
ENTRY(WDGSetTimeout)
ENTRY(WDGSetResetDuration)
#ifndef ZORNIX_WITHOUT_WDGPET
ENTRY(WDGPet)
#endif
ENTRY(WDGReadTemp)
ENTRY(WDGReadStatus)
ENTRY(WDGStart)
ENTRY(WDGStop)
ENTRY(EmergencyReboot)
ENTRY(InPortB)
ENTRY(OutPortB)
ENTRY(InPort)
ENTRY(OutPort)
ENTRY(InPortL)
ENTRY(OutPortL)
ENTRY(InPortDWord)
ENTRY(OutPortDWord)
ENTRY(RelInPortB)
ENTRY(RelOutPortB)
ENTRY(RelInPort)
ENTRY(RelOutPort)
ENTRY(RelInPortL)
ENTRY(RelOutPortL)
ENTRY(RelInPortDWord)
ENTRY(RelOutPortDWord)
