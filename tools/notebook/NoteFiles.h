// Note files on disk for the notebook command: finding them and reading one as a note.
// Paths are the process's own (bytes as given, UTF-8 by convention).
#pragma once

#include <string>
#include <vector>

#include "book/core/NoteBook.h"

namespace notebook {

struct FoundFiles {
  std::vector<std::string> files;                               // in a stable order
  std::vector<std::pair<std::string, std::string>> unreadable;  // path, reason (UTF-8)
};

// A folder gives every *.qgd file under it, at any depth, sorted; anything else is
// taken as a file to import, whatever its name.
void FindNoteFiles(const std::string& path, FoundFiles* found);

// Reads the grid file as the program saved it and the note in it; the file path is
// recorded absolute (GBK), the print title is the grid's. False with a reason (UTF-8).
bool ReadNoteFile(const std::string& path, book::NoteRecord* note, std::string* why);

}  // namespace notebook
