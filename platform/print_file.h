#pragma once
// Where "print to file" and "save as PDF" propose to write a report: the
// person's documents folder, under the report's own name ("Liste pilotes.pdf"),
// not the print job's title.
#include <QString>
#include <string>

class QPrintDialog;

namespace ksy {

// "Liste pilotes" for the job "LISTE PILOTES : Printing...".
QString reportFileBaseName(const std::string& documentName);

// The documents folder (the home folder when there is none) followed by the
// report's file name with ".pdf".
QString proposedReportPdf(const std::string& documentName);
// The same folder followed by a name of the document's own (UTF-8, without
// ".pdf"); characters a file name cannot hold become spaces.
QString proposedPdfNamed(const std::string& baseNameUtf8);

// Puts that proposal in the print dialog's own "print to file" field (the
// desktop's native dialogs have none: nothing changes there).
void proposePrintFile(QPrintDialog& dialog, const std::string& documentName);

} // namespace ksy
