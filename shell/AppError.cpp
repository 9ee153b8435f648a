#include "shell/AppError.h"

namespace sentrel {

AppError::AppError(int number, QString description, QString source)
    : std::runtime_error(description.toStdString()),
      number_(number),
      source_(std::move(source)),
      description_(std::move(description)) {}

}  // namespace sentrel
