# The menu bar's Help and Exit commands reach the host; a constant goes into
# the display.
menu 32840
menu 32841
menu 32802
show
menu 57665
