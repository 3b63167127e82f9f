# Unit conversion of every element through the conversion dialog.
type "1 2\n3 4"
press SE
convert "Length" "feet" "meters"
press Conv
show matrix
# The dialog opens on the category and pair used last.
convert-cancel
press Conv
show matrix
convert "Time" "hours" "minutes"
press Conv
show matrix
convert "Length" "meters" "feet"
press Conv
show matrix
# Back in Time, the pair used with it before.
convert "Time" "minutes" "hours"
press Conv
show matrix
# A unit typed by hand that the category does not know.
convert "Time" "hours" "fortnights"
press Conv
show matrix
# Temperatures: an offset as well as a factor.
press CE
type "-40 0 100"
press SE
convert "Temperature" "Deg Celsius" "Deg Fahrenheit"
press Conv
show matrix
convert "Temperature" "Deg Fahrenheit" "Deg Celsius"
press Conv
show matrix
convert "Temperature" "Deg Celsius" "Deg Kelvin"
press Conv
show matrix
# Complex mode: the real parts are readings, the imaginary parts only scale.
press Mode
pick "Complex"
press CE
type "(0, 10) (100, -5)"
press SE
convert "Temperature" "Deg Celsius" "Deg Fahrenheit"
press Conv
show matrix
convert "Volume" "gallons (US)" "liters"
press Conv
show matrix
# Known factors, and Kelvin to Fahrenheit through both offsets.
press Mode
pick "Real"
press CE
type "1 0"
press SE
convert "Length" "meters" "feet"
press Conv
show matrix
convert "Area" "acres" "hectares"
press Conv
show matrix
convert "Time" "days" "hours"
press Conv
show matrix
convert "Time" "years (tropical)" "days"
press Conv
show matrix
convert "Volume" "gallons (UK)" "liters"
press Conv
show matrix
convert "Temperature" "Deg Kelvin" "Deg Fahrenheit"
press Conv
show matrix
# Without a matrix there is no dialog.
press CE
press Conv
show
