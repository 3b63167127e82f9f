#include "interchange/file_saving.h"

std::string SaveMessage(SaveResult result) {
    switch (result) {
    case SaveResult::Saved: return {};
    case SaveResult::NotWritable: return "You may not write to that file.";
    case SaveResult::CannotCreate: break;
    }
    return "The file cannot be written.";
}
