# Registers A-Z and t are files in the working directory.
type "1 2\n3 4"
press SE
store A
press CE
show
recall A
show
# t is the file Regtmp
press CE
type "5"
press SE
store t
press CE
recall t
show
show matrix
# A register never stored: the previous matrix is shown again.
recall Q
show
# A damaged file (data/RegD is too short for its header) is refused likewise.
recall D
show matrix
# An empty current matrix is stored too; recalling it empties the current matrix
# and the display.
press CE
store Z
press CE
type "9"
press SE
recall Z
show
show matrix
