# The Format popup's choices and the Edit popup with its one-level undo.
type "1.23456 -2\n1000 0.5"
press SE
menu 32776
show
menu 32827
show
menu 32771
show
menu 32814
show matrix
# Edit popup: cut the last row, undo, redo by a second undo, paste it back.
type "7"
show
select 0 4
menu 32830
show
menu 32829
show
menu 32829
show
clipboard "9 "
caret 0
menu 32831
show
menu 32834
menu 32832
# Help and Exit go to the host.
menu 32840
menu 32841
menu 57665
