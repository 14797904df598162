// run-module.js PROGRAM.js [ARGUMENT...]: runs a program that Qt's build made
// into a JavaScript module (it only defines a function, createQtAppInstance)
// under Node, with its arguments, and exits with its status.
const path = require('path');
const [program, ...args] = process.argv.slice(2);
require(path.resolve(program))({arguments: args}).catch((error) => {
  console.error(error);
  process.exit(1);
});
