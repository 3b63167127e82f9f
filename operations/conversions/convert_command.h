#pragma once
// The Conv button: converts every element of the current matrix from one
// unit to another of the same category, through the conversion dialog.

class Calculator;

void OnConvert(Calculator& calculator);
