#include "Usage.h"

namespace sporix::keytool {

const char* const kToolUsage = R"(usage: sporix-key COMMAND [ARGUMENTS]

The key authors' toolkit of Sporix: checks a key as the program reads it, moves a
genus to a spreadsheet and back, and converts a DELTA dataset into a genus.

commands:
  check [FOLDER]                    report what the program would not find, cut or refuse
  export GENUS [--language L]       write a genus as a tab-separated table
  import GENUS TABLE                write the species file back from such a table
  import-delta DATASET --into KEY   convert a DELTA dataset into a genus of KEY

"sporix-key COMMAND --help" tells more about each.

example:
  sporix-key check data
)";

const char* const kCheckUsage = R"(usage: sporix-key check [FOLDER] [--json] [--strict] [--quiet]

Reads the whole key in FOLDER (default: the current folder) with the program's own
readers and reports, per genus, every file the program will not find or not read,
everything it would cut, refuse or read differently, and what the key cannot tell
apart. One finding per line:

  FILE:LINE: error|warning|note: what is wrong (what to do) [code]

then a summary per genus.

options:
  --json     the same findings and summaries as one JSON object
  --strict   warnings count as errors
  --quiet    leave out the notes

exit status: 0 no errors, 1 errors, 2 the folder cannot be read.

example:
  sporix-key check data
  sporix-key check --json ~/my-key > findings.json
)";

const char* const kExportUsage = R"(usage: sporix-key export GENUS [--language L] [--key FOLDER] [--output TABLE]

Writes the genus whose folder name (or display name) is GENUS as a tab-separated
UTF-8 table that a spreadsheet opens: a header row of character names, then one row
per species (code, display name, and per character the state texts of its codes
joined by " | "; a "." that lowers a code's weight stays in front of its text, as in
"red | .pink"; "?" where the state is not known). Below an empty row follows a
second table of the characters, their states and codes.

options:
  --language L   the language of the state texts: en (default), nl, de, fr, it, es
  --key F        the key folder (default: the current folder)
  --output T     write the table to T instead of the standard output

exit status: 0 written, 1 the genus holds what a table cannot show, 2 cannot read.

example:
  sporix-key export Russula --key data --output russula.tsv
)";

const char* const kImportUsage = R"(usage: sporix-key import GENUS TABLE [--language L] [--key FOLDER]

Writes the species file of GENUS back from TABLE, a table made by "sporix-key
export" and edited in a spreadsheet (saved as tab-separated text, UTF-8). Rows may
be reordered, added or removed; every state text must be one that the character has
in the language L. A table with any fault is refused with its row, column and what
was expected, and the species file stays as it was: the new file is written beside
it and renamed over it only when whole.

options:
  --language L   the language of the state texts in the table (default: en)
  --key F        the key folder (default: the current folder)

exit status: 0 written, 1 the table was refused, 2 cannot read or write.

example:
  sporix-key import Russula russula.tsv --key data
)";

const char* const kImportDeltaUsage = R"(usage: sporix-key import-delta DATASET --into KEY [--characters LIST]
                              [--genus-folder NAME] [--name NAME] [--code XYZ]
                              [--with-language-files] [--json]

Converts the DELTA dataset in the folder DATASET (its specs, chars and items files,
cnotes where present, and the files their INPUT FILE directives name; no other file)
into a genus of the key in KEY: an entry of genuslst.txt, the English character file,
the species file, and a description per item. Only unordered and ordered multistate
characters become rows of the key (at most 42, at most 20 states), and at most 350
items species; everything left out is listed per character and per item with why.
Then the key is checked as "sporix-key check" does. A refused import writes nothing.

options:
  --characters LIST      the DELTA characters to take, e.g. 1-5,8,12 (default: all)
  --genus-folder N       the genus's folder name, at most 8 characters (default: from
                         DATASET)
  --name N               the genus's display name (default: from DATASET)
  --code XYZ             the genus's 3-character code (default: from the display name)
  --with-language-files  copy the interface, help, accessible-name and advice texts and
                         NoFigs.Jpg that KEY lacks from the installed key; without them
                         the program does not start from KEY, and the import refuses
  --json                 what was imported, left out and found by the check, as one
                         JSON object

exit status: 0 converted and checked without errors, 1 converted with errors in the
check, 2 the dataset cannot be read or the genus cannot be written (nothing written).

example:
  sporix-key import-delta amanita-delta --into my-key --genus-folder AMANITA --with-language-files
)";

}  // namespace sporix::keytool
