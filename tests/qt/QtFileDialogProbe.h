#pragma once

// The child mode that runs one file dialog of the Qt platform and answers it from a timer:
//   --file-dialog-probe open|save FOLDER INITIAL_NAME accept|cancel [TYPED_NAME]
// The request is "Profile files" (*.psf) starting in FOLDER. Once the dialog is up it prints
// "title T", "filter F" and "folder D", then types TYPED_NAME if given and accepts, or cancels;
// at the end it prints "result PATH" or "result none". Exit 0 when the dialog was answered, 4
// when it never appeared or never closed.
int FileDialogProbe(int argc, char** argv);
