// A drawing pass written into a DXF 2000 file: the pass streams its entities and block
// definitions into temporary files, then the file is assembled around them and put in place
// atomically.
#pragma once

#include <functional>
#include <iostream>
#include <memory>
#include <string>

namespace vilmor {

// A read-write stream on a file of its own in the system's temporary folder. The system makes
// its unique name, and the name is removed as soon as the file is open: nothing of it stays
// behind however the export ends, and no other file is ever taken for it. Written from the
// start, then read back from the start after `seekg(0)`.
class FlussoTemporaneo : public std::iostream {
public:
    // `prefisso` begins the file's name.
    explicit FlussoTemporaneo(const char* prefisso);
    ~FlussoTemporaneo() override;
    FlussoTemporaneo(const FlussoTemporaneo&) = delete;
    FlussoTemporaneo& operator=(const FlussoTemporaneo&) = delete;
    // False when the file could not be made.
    bool Aperto() const;
    // The name the file had: the write-failure test seam is asked with it.
    const std::string& Nome() const;

private:
    class Buffer;
    std::unique_ptr<Buffer> buf_;
};

// Runs `disegna` with the DXF sink installed over the DXF 2000 entity writers (the drawers
// draw with any selector but 0 and -1), then writes the file `percorso`: header and classes,
// the tables of the program's layers (`Strati`, sized by `Imp.UnitaPerCm`), the blocks and
// entities the pass wrote, the objects. The target is written to a temporary name beside it
// and renamed over it; on any failure it stays as it was, the message naming it is shown
// (when `avvisa`) and the result is false. An exception from `disegna` passes through,
// leaving the target as it was and no file of the export behind.
// `errore` as in ScriviFileAtomicoFlusso.
bool SalvaDxf2000(const std::string& percorso, const std::function<void()>& disegna,
                  bool avvisa = true, int* errore = nullptr);

}  // namespace vilmor
