// The help text (RTF) and the technical-support text, put together from a product's settings.
#pragma once

#include <string>

namespace setupctrls {

struct THelpTextSettings {
    std::string companyName, cardName;
    bool series = false, multiPort = false, cardList = false;
};

std::string HelpText(const THelpTextSettings& s);
std::string SupportText(const std::string& companyName, const std::string& callHow);

}  // namespace setupctrls
