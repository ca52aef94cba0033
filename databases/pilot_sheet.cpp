#include "databases/pilot_sheet.h"

#include "storage/encoding.h"

namespace ksy {

OutSheet pilotSheet(const std::vector<Pilot>& pilots)
{
    OutSheet sheet;
    sheet.name = "Pilotes";
    OutRow head;
    for (const char* h : {"Nom", "Adresse", "Adresse (suite)", "Code postal", "Ville", "Pays",
             "Téléphone", "Email", "Date de naissance", "N° licence", "Transpondeur", "Club"})
        head.push_back(OutCell::of(std::string(h)));
    sheet.rows.push_back(std::move(head));
    for (const Pilot& p : pilots) {
        if (p.name.empty())
            continue;
        OutRow row;
        for (const std::string* field : {&p.name, &p.address, &p.address2, &p.postcode, &p.city,
                 &p.country, &p.telephone, &p.email, &p.birthDate, &p.licence, &p.transponder,
                 &p.club})
            row.push_back(OutCell::of(cp1252ToUtf8(*field)));
        sheet.rows.push_back(std::move(row));
    }
    return sheet;
}

} // namespace ksy
