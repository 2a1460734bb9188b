#version 410 core
// The program's only uniform, so it also sits at location 0.
uniform sampler2D source;

in vec2 textureCoordinate;
out vec4 fragmentColor;

void main()
{
  fragmentColor = texture(source, textureCoordinate);
}
