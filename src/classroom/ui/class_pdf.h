// SPDX-License-Identifier: GPL-3.0-or-later
// The class as a PDF file, through Qt's own PDF writer: the class table first, then one page per
// pupil whose hand-in can be read. Names and every text from a hand-in are escaped before they
// go into the markup that lays the pages out, so they print as typed.
#pragma once
#include <QString>
#include <vector>

#include "classroom/class_roster.h"

// The markup of the document (for tests of its escaping, and for WriteClassPdf).
QString ClassPdfMarkup(const ClassRoster& roster, const std::vector<ClassRow>& rows,
                       const QString& title);

// Writes the document to path; false when the file cannot be written.
bool WriteClassPdf(const QString& path, const ClassRoster& roster,
                   const std::vector<ClassRow>& rows, const QString& title);
