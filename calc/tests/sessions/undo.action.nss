click commLearn
