# File > Export and File > Import by extension: .npy, .csv, .tsv, .mm; .tex
# for export only. Each round trip gives the matrix back exactly.
type "1 2.5 -3\n4 5e-7 0.1"
press SE
export m.npy
export m.csv
export m.tsv
export m.mm
export m.tex
press CE
import m.npy
show
show matrix
press CE
import m.csv
show matrix
press CE
import m.tsv
show matrix
press CE
import m.mm
show matrix
# The exported LaTeX and CSV texts read back when pasted and set.
press CE
paste-file m.tex
press SE
show matrix
press CE
paste-file m.csv
press SE
show matrix
# File > Open of a MatrixMarket file imports it; the caption names no document.
press CE
file-dialog "m.mm"
menu 32836
show
# The menu items ask for the file.
file-dialog "n.npy"
menu 33031
press CE
file-dialog "n.npy"
menu 33030
show matrix
file-dialog-cancel
menu 33030
# Refused: a kind of no extension, an import of a LaTeX file, a file that is
# not there, an export with no matrix. Nothing changes.
export m.xyz
import m.tex
import missing.npy
show matrix
press CE
export empty.npy
# A complex matrix comes back complex and switches to complex mode.
press Mode
pick "Complex"
type "(1, 2) (3, -4)"
press SE
export c.npy
export c.mm
press Mode
pick "Real"
press CE
import c.npy
show
show matrix
press Mode
pick "Real"
press CE
import c.mm
show matrix
# A real file read in complex mode has imaginary parts 0.
import m.csv
show
show matrix
