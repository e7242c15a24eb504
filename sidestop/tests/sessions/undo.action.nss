click commRun
