# Save As names the document and the caption; after New the caption names
# no document, so Save asks for the name; Open reads it back and shows it.
press 1 > 2 v - 3 . 2 5 > 4 0 0 0 0 SE
file-dialog-cancel
menu 32837
show
file-dialog "m.mtx"
menu 32837
show
press CE
paste-file m.mtx
show
answer no
menu 32835
answer yes
menu 32835
show
file-dialog "m.mtx"
menu 32837
file-dialog "m.mtx"
menu 32836
show
show matrix
# A document from elsewhere: LF line ends, 16 digits, negative zero.
file-dialog "older.mtx"
menu 32836
show
show matrix
# A document whose elements end early reads zeros for the missing ones.
file-dialog "short.mtx"
menu 32836
show matrix
# A damaged document is refused: matrix, name and caption stay.
file-dialog "damaged.mtx"
menu 32836
file-dialog "missing.mtx"
menu 32836
show
show matrix
# Save As over the name in use, then into a folder that does not exist.
file-dialog "copy.mtx"
menu 32838
file-dialog "no-such-folder/x.mtx"
menu 32838
show
press CE
paste-file copy.mtx
show
# A document in another folder: the caption shows its name only, and
# registers stay in the working directory. A recalled matrix is no longer
# the document: Save asks, and cancelled it leaves the file alone; saved
# under the document's name it writes it back there.
file-dialog "sub/elsewhere.mtx"
menu 32836
show
recall A
file-dialog-cancel
menu 32837
show
file-dialog "sub/elsewhere.mtx"
menu 32837
press CE
paste-file sub/elsewhere.mtx
show
# The document the caption named, cleared with CE and replaced: Save asks
# instead of writing over it.
file-dialog "older.mtx"
menu 32836
press CE 7 > 7 v 7 > 7 SE
file-dialog-cancel
menu 32837
press CE
paste-file older.mtx
show
