// Reads RTF documents of the kind help texts use: groups, control words with parameters, font and
// colour tables, \par, \b, \cf, \fs, \f, \plain, \pard, \tab, \emdash and friends, escaped and hex
// characters, \u with \uc, and destinations that are skipped. Bytes are taken as Windows-1252.
#pragma once

#include <string_view>

#include "ui/core/comctrls.h"

namespace ui {

class ERtfError : public Exception {
public:
    using Exception::Exception;
};

// Throws ERtfError for text that is not RTF or is nested too deeply; everything else is read as well as it can be.
TRichDocument ReadRtf(std::string_view rtf);

}  // namespace ui
