# A prompt the script does not answer ends the run with status 2.
# exit: 2
type "2"
press SE Pow
