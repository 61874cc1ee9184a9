// The dimension visibility dialog "Quota attiva nel contesto:": the picked dimension shown in
// the plan on screen only, or in every plan.
#pragma once

#include <string>

namespace vilmor {

class DialogoPropQuote {
public:
    static constexpr const char* Titolo = "Quota attiva nel contesto:";
    static constexpr const char* Tutte = "Tutte le piante";

    // Opening on `Quotatura.QuotaSelezionata`: the current plan's caption, and the option of the
    // dimension's plan (0 its own plan, 1 every plan).
    void Apri();
    // "Ok": one undo snapshot, then the plan chosen.
    void Ok();

    std::string Didascalia;  // `Option1`(0)
    int Opzione = 0;
};

}  // namespace vilmor
