# A key in the set state inserts at the caret and a second SE reads the text
# again.
type "1 2\n3 4"
press SE
caret 13
press 9 8
show
press SE
show matrix
# A line break is one key, inserted and taken back as one.
press CE
type "12"
caret 1
press v 9
show
press SE
show matrix
press CE < 1 v <
show
press 2 < <
show
# Separators alone set nothing.
press CE > v SE
show matrix
# A typo keeps the text and selects the character to fix, which a
# backspace then takes away. The matrix set before stays.
press CE
type "8"
press SE
select 0 99
type "\x08"
type "1 2\n3 x4"
press SE
type "\x08"
show
select 0 99
type "\x08"
type "1 2\n(3 4"
press SE
type "\x08"
show
press Mode
pick "Complex"
select 0 99
type "\x08"
type "(1, 2) (3, 4"
press SE
type "\x08"
show
select 0 99
type "\x08"
type "(1, 2)) (3, 4)"
press SE
type "\x08"
show
select 0 99
type "\x08"
type "(1, 2)\n((3, 4)"
press SE
type "\x08"
show
select 0 99
type "\x08"
type "(1, 2) (3 4)"
press SE
type "\x08"
show
select 0 99
type "\x08"
type "(1, 2, 5)"
press SE
type "\x08"
show
select 0 99
type "\x08"
type "1, (2, 3)"
press SE
type "\x08"
show
show matrix
press Mode
pick "Real"
# A paste turns every kind of line break into CR LF.
press CE
paste-file breaks.txt
show
# Aligned columns redraw a set matrix, which reads back the same, and leave
# typing alone.
press CE
type "-1 10\n100 2"
press SE
menu 33001
show
press SE
show matrix
type "5"
menu 33001
show
# A recall that reads nothing leaves the typing as it was.
press CE
type "3 4"
recall Q
show
press SE
show matrix
# A store that cannot create its file keeps what was there.
store B
press CE
type "2"
press SE
store E
recall B
show matrix
# Every key that types types its own caption.
press CE 1 2 3 4 5 6 7 8 9 0 ) v - ( > . ,
show
# The multiply rows set the mode they name, the status line and the list
# title follow it; the mode rows switch real and complex.
press CE 1 SE Mul
pick "Kronecker"
show
pick "Scalar"
show
pick "Schurr"
show
pick "Matrix"
show
press Mode
pick "Complex"
show
pick "Real"
show
# A prompt reads the number at the start of the answer.
press CE
type "1 2\n3 4"
input "2x"
input "2.5e1x"
press SE Proc
pick "Row:Scalar Mult"
show matrix
# Readings that drop or move numbers say so; a change of the matrix takes
# the notice back.
press CE
type "1 2\n3 4 5"
press SE
press CE
type "1 2\n\n3 4"
press SE
press CE
type "1-2 3"
press SE
press CE
type "1 2 3\n4\n5 6"
press SE
press CE
type "1e0 2e0\n3e0"
press SE
press CE
type "(1, 2) (3, 4)\n(5, 6) 7 8"
press Mode
pick "Complex"
press SE
press Mode
pick "Real"
press CE
type "1 2\n3 4"
press SE Trn
type "9"
press SE
# Rows copied from a spreadsheet read as the rectangle they are; ragged ones
# keep the syntax error at the first tab.
press CE
paste-file spreadsheet.txt
press SE
show matrix
press CE
paste-file ragged_cells.txt
answer ok
press SE
