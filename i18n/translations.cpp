// The library exists for its resources, the compiled translations; this unit gives it a body.
namespace orvesc {
int translationsLinked = 1;
}
