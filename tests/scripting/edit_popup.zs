# The display's Edit popup and its one-level undo. Greyed items cannot be
# chosen, so the script only picks enabled ones.
type "1 2 3"
select 2 2
menu 32830
show
menu 32829
show
menu 32829
show
menu 32829
caret 5
menu 32831
show
menu 32834
menu 32832
press SE
show matrix
# A right-click without a choice turns the display grey again
mouse-up 2
show
# Help > About through the menu bar
menu 32840
