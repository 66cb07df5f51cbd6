// The PDF reader of the core tests' support, for the printing tests.
#include "../../core/support/PdfText.cpp"
